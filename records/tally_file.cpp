#include "records/tally_file.h"

#include <algorithm>
#include <charconv>

#include "records/lzhuf.h"
#include "records/lzrw1kh.h"

namespace tess {

namespace {

using tallyfile::maxContentSize;

std::uint32_t readLe32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(i)]);
    return value;
}

void appendLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

const std::uint8_t* bytesOf(std::string_view text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

TallyResult<std::string> failure(std::string_view text, std::string_view fileName = {}) {
    return {std::nullopt, std::string(text) + std::string(fileName)};
}

TallyResult<std::string> readLzrwBlocks(std::string_view file, std::uint32_t stored,
                                        std::string_view fileName) {
    using lzrw1kh::chunkSize;
    std::string out;
    // Room for all of it at once, but never more than the blocks present can give (a
    // run item of 4 bytes gives at most 4095), whatever the header claims.
    out.reserve(std::min<std::size_t>(std::size_t{stored} + chunkSize, file.size() * 1024));
    std::size_t pos = 8;
    for (;;) {
        if (file.size() - pos < 2) return failure(tallyfile::errorReading, fileName);
        const std::size_t len = static_cast<std::uint8_t>(file[pos]) |
                                (std::size_t{static_cast<std::uint8_t>(file[pos + 1])} << 8);
        pos += 2;
        if (file.size() - pos < len) return failure(tallyfile::errorReading, fileName);
        const std::size_t start = out.size();
        out.resize(start + chunkSize);
        const auto produced = lzrw1kh::decompressChunk(
            bytesOf(file) + pos, len, reinterpret_cast<std::uint8_t*>(out.data() + start));
        if (!produced) return failure(tallyfile::lzrwSizesDoNotMatch);
        out.resize(start + *produced);
        pos += len;
        if (out.size() > stored) return failure(tallyfile::lzrwSizesDoNotMatch);
        if (*produced < chunkSize) break;
    }
    if (out.size() != stored) return failure(tallyfile::lzrwSizesDoNotMatch);
    return {std::move(out), {}};
}

bool parseCount(std::string_view line, std::size_t& value) {
    if (line.empty()) return false;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    return ec == std::errc() && end == line.data() + line.size();
}

// Takes the next line off the front, without its CR LF (or lone LF).
std::string_view nextLine(std::string_view& text) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::size_t countLines(std::string_view text) {
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return breaks + (text.empty() || text.back() == '\n' ? 0 : 1);
}

}  // namespace

TallyTable TallyTable::initial() {
    TallyTable table;
    table.rows.emplace_back();
    table.rows[0].fill("0");
    return table;
}

std::string tallyTableText(const TallyTable& table) {
    std::string text;
    const auto line = [&text](std::string_view cell) {
        const std::size_t start = text.size();
        text.append(cell);
        std::replace_if(
            text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
            [](char c) { return c == '\r' || c == '\n'; }, ' ');
        text.append("\r\n");
    };
    line(std::to_string(TallyTable::columns));
    line(std::to_string(table.rows.size()));
    for (std::size_t c = 0; c < TallyTable::columns; ++c)
        for (const auto& row : table.rows)
            line(row[c]);
    return text;
}

std::optional<TallyTable> tallyTableFromText(std::string_view text) {
    const std::size_t lines = countLines(text);
    std::size_t columns = 0, rows = 0;
    if (!parseCount(nextLine(text), columns) || !parseCount(nextLine(text), rows))
        return std::nullopt;
    // Counted before anything is allocated.
    if (columns != TallyTable::columns || rows == 0 || rows > tallyfile::maxRows ||
        lines != 2 + columns * rows)
        return std::nullopt;
    TallyTable table;
    table.rows.resize(rows);
    for (std::size_t c = 0; c < columns; ++c)
        for (auto& row : table.rows)
            row[c] = nextLine(text);
    return table;
}

std::string compressTallyContent(std::string_view content) {
    using lzrw1kh::chunkSize;
    std::string out;
    out.reserve(8 + content.size() + 3 * (content.size() / chunkSize + 1));
    out.append(tallyfile::lzrwSignature);
    appendLe(out, static_cast<std::uint32_t>(content.size()), 4);
    lzrw1kh::Compressor compressor;
    std::array<std::uint8_t, lzrw1kh::maxCodedChunk> coded;
    std::size_t pos = 0, n = 0;
    // A full chunk is always followed by another block, if need be an empty one.
    do {
        n = std::min(chunkSize, content.size() - pos);
        const std::size_t len = compressor.compressChunk(bytesOf(content) + pos, n, coded.data());
        appendLe(out, static_cast<std::uint32_t>(len), 2);
        out.append(reinterpret_cast<const char*>(coded.data()), len);
        pos += n;
    } while (n == chunkSize);
    return out;
}

TallyResult<std::string> decompressTallyContent(std::string_view file, std::string_view fileName) {
    if (file.size() < 4) return failure(tallyfile::errorReading, fileName);
    const std::string_view signature = file.substr(0, 4);
    const bool lzh = signature == tallyfile::lzhSignature;
    if (!lzh && signature != tallyfile::lzrwSignature) {
        if (fileName.empty()) return failure(tallyfile::noValidHeaderInStream);
        return {std::nullopt, std::string(fileName) + std::string(tallyfile::noValidHeaderInFile)};
    }
    if (file.size() < 8) return failure(tallyfile::errorReading, fileName);
    const std::uint32_t stored = readLe32(file.substr(4, 4));
    const std::string_view mismatch =
        lzh ? tallyfile::lzhSizesDoNotMatch : tallyfile::lzrwSizesDoNotMatch;
    if (stored > maxContentSize) return failure(mismatch);
    if (!lzh) return readLzrwBlocks(file, stored, fileName);
    auto content = lzhuf::decode(file.substr(8), stored);
    if (!content) return failure(tallyfile::errorReading, fileName);
    if (content->size() != stored) return failure(mismatch);
    return {std::move(content), {}};
}

std::size_t tallyFileReadLimit(std::string_view header) {
    if (header.size() < 8) return header.size();
    const std::size_t stored = readLe32(header.substr(4, 4));
    if (stored > maxContentSize) return 8;
    const std::string_view signature = header.substr(0, 4);
    // Each block adds its length and flag; an adaptive code may spend a few bits more
    // than eight on a byte.
    if (signature == tallyfile::lzrwSignature)
        return 8 + stored + 3 * (stored / lzrw1kh::chunkSize + 1);
    if (signature == tallyfile::lzhSignature) return 8 + 3 * stored + 64;
    return 8;
}

std::string encodeTallyFile(const TallyTable& table) {
    return compressTallyContent(tallyTableText(table));
}

TallyReadResult decodeTallyFile(std::string_view file, std::string_view fileName) {
    auto content = decompressTallyContent(file, fileName);
    if (!content.ok()) return {std::nullopt, std::move(content.error)};
    auto table = tallyTableFromText(*content.value);
    if (!table) {
        const bool lzh = file.substr(0, 4) == tallyfile::lzhSignature;
        return {std::nullopt,
                std::string(lzh ? tallyfile::lzhSizesDoNotMatch : tallyfile::lzrwSizesDoNotMatch)};
    }
    return {std::move(table), {}};
}

}  // namespace tess
