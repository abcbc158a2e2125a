#include "records/tally_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/records/full_disk.h"

namespace tess {
namespace {

class TallyStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    void write(const QByteArray& bytes) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString path() const { return dir.filePath("Tessarinetally.tld"); }

    QTemporaryDir dir;
    QString previous;
};

TallyTable sample() {
    TallyTable table = TallyTable::initial();
    table.rows.push_back({"Klot", "3", "1", "2", "0", "3", "1", "2", "0"});
    table.rows.push_back({"Wren", "1", "0", "0", "1", "0", "0", "0", "0"});
    return table;
}

TEST_F(TallyStoreTest, MissingFileLoadsNothingAndCreatesNothing) {
    EXPECT_EQ(loadTallyFile(path()), std::nullopt);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(TallyStoreTest, SavedTableLoadsBackAndLeavesNoOtherFile) {
    QString error = "unset";
    ASSERT_TRUE(saveTallyFile(path(), sample(), &error));
    EXPECT_EQ(error, "");
    const auto loaded = loadTallyFile(path());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->error, "");
    EXPECT_EQ(loaded->value, sample());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tessarinetally.tld"});
}

TEST_F(TallyStoreTest, SavingReplacesTheWholeFile) {
    ASSERT_TRUE(saveTallyFile(path(), sample()));
    ASSERT_TRUE(saveTallyFile(path(), TallyTable::initial()));
    EXPECT_EQ(loadTallyFile(path())->value, TallyTable::initial());
}

TEST_F(TallyStoreTest, UnwritablePlaceKeepsNothingAndSaysWhy) {
    const QString missing = dir.filePath("no/such/folder/Tessarinetally.tld");
    QString error;
    EXPECT_FALSE(saveTallyFile(missing, sample(), &error));
    EXPECT_EQ(error, "Lzrw1 (de)compression : Failed to open output file : " + missing);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(TallyFullDiskTest, AFailedSaveKeepsThePreviousFileAndSaysWhy) {
    FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QString path = disk.filePath(QStringLiteral("Tessarinetally.tld"));
    ASSERT_TRUE(saveTallyFile(path, sample()));
    ASSERT_TRUE(disk.fill());
    TallyTable bigger = sample();
    for (int i = 0; i < 500; ++i)
        bigger.rows.push_back(
            {"Player" + std::to_string(i), "1", "2", "3", "4", "5", "6", "7", "8"});
    QString error;
    EXPECT_FALSE(saveTallyFile(path, bigger, &error));
    EXPECT_EQ(error, "Lzrw1 : Error writing to output file : " + path);
    const auto loaded = loadTallyFile(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->value, sample());
}

TEST_F(TallyStoreTest, BadFilesGiveTheirTexts) {
    write("not a tally file");
    EXPECT_EQ(loadTallyFile(path())->error,
              path().toStdString() + " : Lzrw1 decompression : this file has no valid header !");

    // A huge stored size in front of a lot of data: refused from the header alone.
    write(QByteArray("WRZL\xFF\xFF\xFF\x7F", 8) + QByteArray(4 << 20, 'j'));
    EXPECT_EQ(loadTallyFile(path())->error,
              "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");

    const std::string whole = encodeTallyFile(sample());
    write(QByteArray::fromStdString(whole.substr(0, whole.size() - 5)));
    EXPECT_EQ(loadTallyFile(path())->error,
              "Lzrw1 : Error reading from input file : " + path().toStdString());
}

TEST_F(TallyStoreTest, DataAfterTheLastBlockIsNotRead) {
    write(QByteArray::fromStdString(encodeTallyFile(sample())) + QByteArray(1 << 20, 'j'));
    EXPECT_EQ(loadTallyFile(path())->value, sample());
}

TEST(TallyStorePath, NamesTheFileAfterTheGame) {
    EXPECT_TRUE(tallyFilePath().endsWith("/Tessarinetally.tld"));
}

}  // namespace
}  // namespace tess
