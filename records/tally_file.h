// The tally file: the tally table as plain text (column count, row count, then every
// cell, column by column, one per CR LF line) inside a small container of compressed
// blocks. Files are written with LZRW1/KH blocks ("WRZL"); files with one LZHUF stream
// ("!HZL") are read too. Std only, so it is testable without an application object.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// Row 0 is the user's own total; every further row is one followed opponent with the
// name in column 0 and the counts in columns 1-8, all as decimal text.
struct TallyTable {
    static constexpr std::size_t columns = 9;
    using Row = std::array<std::string, columns>;

    std::vector<Row> rows;

    // The table as the tally window starts it: row 0 with "0" in every cell.
    static TallyTable initial();
    bool operator==(const TallyTable&) const = default;
};

namespace tallyfile {

inline constexpr std::string_view fileName = "Tessarinetally.tld";
inline constexpr std::string_view lzrwSignature = "WRZL";
inline constexpr std::string_view lzhSignature = "!HZL";
// Content above this is refused before anything is decoded.
inline constexpr std::uint32_t maxContentSize = 64u * 1024 * 1024;
// No user follows this many players; more rows mean a damaged file.
inline constexpr std::size_t maxRows = 65536;

// The error texts, each as the program reports it.
inline constexpr std::string_view noValidHeaderInStream =
    "Lzrw1 decompression : input stream contains no valid header !";
inline constexpr std::string_view noValidHeaderInFile =
    " : Lzrw1 decompression : this file has no valid header !";  // after the file name
inline constexpr std::string_view lzrwSizesDoNotMatch =
    "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
inline constexpr std::string_view lzhSizesDoNotMatch =
    "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
// These are followed by the file name.
inline constexpr std::string_view failedToOpenInput =
    "Lzrw1 (de)compression : Failed to open input file : ";
inline constexpr std::string_view failedToOpenOutput =
    "Lzrw1 (de)compression : Failed to open output file : ";
inline constexpr std::string_view errorReading = "Lzrw1 : Error reading from input file : ";
inline constexpr std::string_view errorWriting = "Lzrw1 : Error writing to output file : ";

}  // namespace tallyfile

// The table's text. A line break inside a cell would shift every later cell, so it is
// written as a space.
std::string tallyTableText(const TallyTable& table);
// Nothing unless the text holds 9 columns, 1 to maxRows rows and exactly one line per
// cell.
std::optional<TallyTable> tallyTableFromText(std::string_view text);

// Either the decoded value or the error text.
template <typename T>
struct TallyResult {
    std::optional<T> value;
    std::string error;
    bool ok() const { return value.has_value(); }
};
using TallyReadResult = TallyResult<TallyTable>;

// Any content in the container with LZRW1/KH blocks.
std::string compressTallyContent(std::string_view content);
// The content of a container of either kind. fileName goes into the texts of a
// missing header and of a short read; without one, the header text is the stream's.
TallyResult<std::string> decompressTallyContent(std::string_view file,
                                                std::string_view fileName = {});

// The most bytes decoding a file that starts with this header can use, so a reader
// need not take more of a file than that (the header alone when it is unusable).
std::size_t tallyFileReadLimit(std::string_view header);

std::string encodeTallyFile(const TallyTable& table);
TallyReadResult decodeTallyFile(std::string_view file, std::string_view fileName = {});

}  // namespace tess
