// What a table tells the network, read back as a stranger's text; and what the hosting
// user is told about the router's answer.
#include <avahi-common/strlst.h>
#include <gtest/gtest.h>

#include <memory>

#include "reach/router_session.h"
#include "reach/table_reach.h"
#include "reach/table_record.h"

namespace tess {
namespace {

using TextList = std::unique_ptr<AvahiStringList, decltype(&avahi_string_list_free)>;

TEST(TableRecord, WhatTheHostWritesReadsBackTheSame) {
    AnnouncedTable table{QStringLiteral("Zoë"), 3, 4, 2, true};
    TextList txt(tableRecord(table), avahi_string_list_free);
    const FoundTable found = readTableRecord(txt.get());
    EXPECT_EQ(found.hostName, QStringLiteral("Zoë"));
    EXPECT_EQ(found.seated, 3);
    EXPECT_EQ(found.tableSize, 4);
    EXPECT_EQ(found.spectators, 2);
    EXPECT_TRUE(found.playing);
}

TEST(TableRecord, AStrangersValuesAreBroughtIntoRange) {
    struct Case {
        std::vector<const char*> items;
        int seated, size, spectators;
        bool playing;
        QString host;
    };
    const std::string longName = "host=" + std::string(300, 'x');
    const Case cases[] = {
        {{"seated=99", "size=-3", "spectators=1000000000000", "state=PLAYING"}, 4, 2, 0, false, {}},
        {{"seated=-1", "size=9", "spectators=7", "state=playing"}, 0, 4, 5, true, {}},
        {{"seated=two", "size=", "spectators"}, 0, 2, 0, false, {}},
        {{"host=\x01"
          "Bob\n\x7f",
          "seated=4"},
         4,
         2,
         0,
         false,
         QStringLiteral("Bob")},
        {{longName.c_str()}, 0, 2, 0, false, QString(100, QLatin1Char('x'))},
        // Bidirectional overrides and zero-width characters would show another name.
        {{"host=\u202Eevil.example\u202C gnp.exe\u200B\u2066x\u2069\uFEFF"},
         0,
         2,
         0,
         false,
         QStringLiteral("evil.example gnp.exex")},
    };
    for (const Case& c : cases) {
        AvahiStringList* list = nullptr;
        for (const char* item : c.items)
            list = avahi_string_list_add(list, item);
        TextList txt(list, avahi_string_list_free);
        const FoundTable found = readTableRecord(txt.get());
        SCOPED_TRACE(c.items.front());
        EXPECT_EQ(found.seated, c.seated);
        EXPECT_EQ(found.tableSize, c.size);
        EXPECT_EQ(found.spectators, c.spectators);
        EXPECT_EQ(found.playing, c.playing);
        EXPECT_EQ(found.hostName, c.host);
    }
}

TEST(TableRecord, TheAnnouncementsNameFitsOneLabel) {
    const QString name = serviceNameFor(QString(80, QChar(0x00e9)));  // two bytes each
    EXPECT_LE(name.toUtf8().size(), 63);
    EXPECT_TRUE(name.startsWith(QStringLiteral("Tessarine: ")));
}

// Only an address that leads to another computer is joined; this computer's loopback
// only when the table was announced on the loopback itself.
TEST(TableRecord, OnlyJoinableUnicastAddressesAreTaken) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"192.168.1.20", false, true},
        {"fe80::2%eth0", false, true},
        {"2001:db8::5", false, true},
        {"0.0.0.0", false, false},
        {"0.1.2.3", false, false},
        {"::", false, false},
        {"127.0.0.1", false, false},
        {"127.0.0.1", true, true},
        {"::1", false, false},
        {"255.255.255.255", false, false},
        {"224.0.0.251", false, false},
        {"ff02::fb", false, false},
        {"::ffff:127.0.0.1", false, false},
        {"::ffff:0.0.0.0", false, false},
        {"not an address", false, false},
    };
    for (const auto& [address, onLoopback, joinable] : cases)
        EXPECT_EQ(joinableAnnouncedAddress(QString::fromLatin1(address), onLoopback), joinable)
            << address << (onLoopback ? " on the loopback" : "");
}

TEST(RouterAddress, InsideAddressesMeanAnotherNat) {
    const std::pair<const char*, bool> cases[] = {
        {"10.1.2.3", true},        {"172.16.0.1", true},
        {"172.31.255.255", true},  {"172.32.0.1", false},
        {"192.168.1.1", true},     {"100.64.0.1", true},
        {"100.127.255.254", true}, {"100.128.0.1", false},
        {"11.22.33.44", false},    {"", false},
        {"2001:db8::1", false},
    };
    for (const auto& [address, inside] : cases)
        EXPECT_EQ(behindAnotherNat(QString::fromLatin1(address)), inside) << address;
}

TEST(RouterLines, TheHostIsToldWhereOthersCanJoinAndWhatWentWrong) {
    using Outcome = RouterResult::Outcome;
    RouterResult opened;
    opened.outcome = Outcome::opened;
    opened.method = "UPnP";
    opened.externalAddress = "11.22.33.44";
    opened.localAddress = "192.168.77.2";
    opened.leaseSeconds = 3600;
    QString text = TableReach::linesFor(opened, 7772).join('\n');
    EXPECT_TRUE(text.contains("11.22.33.44")) << text.toStdString();
    EXPECT_TRUE(text.contains("192.168.77.2")) << text.toStdString();
    EXPECT_FALSE(text.contains("probably")) << text.toStdString();
    EXPECT_TRUE(TableReach::reachableAt(opened));

    RouterResult doubleNat = opened;
    doubleNat.externalAddress = "100.70.1.2";
    text = TableReach::linesFor(doubleNat, 7772).join('\n');
    EXPECT_TRUE(text.contains("probably cannot reach")) << text.toStdString();
    EXPECT_FALSE(TableReach::reachableAt(doubleNat));

    RouterResult taken = opened;
    taken.outcome = Outcome::taken;
    taken.takenBy = "192.168.77.3";
    text = TableReach::linesFor(taken, 7772).join('\n');
    EXPECT_TRUE(text.contains("192.168.77.3")) << text.toStdString();
    EXPECT_TRUE(text.contains("7772")) << text.toStdString();
    EXPECT_FALSE(TableReach::reachableAt(taken));

    // The user's words for each reason; the router's own stay in the log.
    using Reason = RouterResult::Reason;
    const std::pair<Reason, const char*> reasons[] = {
        {Reason::notConnected, "not connected to the internet"},
        {Reason::noAnswer, "did not answer in time"},
        {Reason::cannotTell, "cannot say which computer"},
        {Reason::refusedByRouter, "refused to open port 7772"},
    };
    for (const auto& [reason, words] : reasons) {
        RouterResult refused = opened;
        refused.outcome = Outcome::refused;
        refused.reason = reason;
        refused.detail = "-3 Miniupnpc HTTP error";
        const QStringList lines = TableReach::linesFor(refused, 7772);
        ASSERT_EQ(lines.size(), 2);  // why, in one line, then the local address
        EXPECT_TRUE(lines[0].contains(words)) << lines[0].toStdString();
        EXPECT_FALSE(lines[0].contains("Miniupnpc")) << lines[0].toStdString();
        EXPECT_FALSE(TableReach::reachableAt(refused));
    }
}

}  // namespace
}  // namespace tess
