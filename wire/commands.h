// Command words of the table protocol. Every message starts with one of these.
#pragma once

#include <string_view>

namespace tess::cmd {

// Client to host.
inline constexpr std::string_view logininfo = "CMD_logininfo";
inline constexpr std::string_view chat = "CMD_chat";
inline constexpr std::string_view action = "CMD_action";
inline constexpr std::string_view playasound = "CMD_playasound";
inline constexpr std::string_view kickhim = "CMD_kickhim";
inline constexpr std::string_view justwatch = "CMD_justwatch";
inline constexpr std::string_view startgame = "CMD_startgame";
inline constexpr std::string_view handplay = "CMD_handplay";
inline constexpr std::string_view tabplay = "CMD_tabplay";
inline constexpr std::string_view handfound = "CMD_handfound";
inline constexpr std::string_view tabfound = "CMD_tabfound";
inline constexpr std::string_view endturn = "CMD_endturn";

// Host to client (chat, action, playasound and startgame travel both ways).
inline constexpr std::string_view sendlogininfo = "CMD_sendlogininfo";
inline constexpr std::string_view full = "CMD_full";
inline constexpr std::string_view newplayerinfo = "CMD_newplayerinfo";
inline constexpr std::string_view existingplayers = "CMD_existingplayers";
inline constexpr std::string_view havewrongversion = "CMD_havewrongversion";
inline constexpr std::string_view wrongversion = "CMD_wrongversion";
inline constexpr std::string_view playerdisconnected = "CMD_playerdisconnected";
inline constexpr std::string_view justwatching = "CMD_justwatching";
inline constexpr std::string_view roundstart = "CMD_roundstart";
inline constexpr std::string_view foundcards = "CMD_foundcards";
inline constexpr std::string_view mycards = "CMD_mycards";
inline constexpr std::string_view nextplayer = "CMD_nextplayer";
inline constexpr std::string_view playhand = "CMD_playhand";
inline constexpr std::string_view playtab = "CMD_playtab";
inline constexpr std::string_view foundcard = "CMD_foundcard";
inline constexpr std::string_view foundtab = "CMD_foundtab";
inline constexpr std::string_view ending = "CMD_ending";
inline constexpr std::string_view nomorecards = "CMD_nomorecards";
inline constexpr std::string_view endround = "CMD_endround";
inline constexpr std::string_view winner = "CMD_winner";
inline constexpr std::string_view gamestats = "CMD_gamestats";

// The program's version text, sent at login and compared by the host.
inline constexpr std::string_view version = "1.0.2";

}  // namespace tess::cmd
