// Every message of the catalogue: the bytes it is built as, and the same fields read
// back from those bytes.
#include <gtest/gtest.h>

#include "wire/announcements.h"
#include "wire/fields.h"
#include "wire/message.h"
#include "wire/requests.h"

namespace tess::wire {
namespace {

// Encodes, compares with the exact bytes, then decodes the first line as a receiver
// cuts it (up to the terminator, after the command word) and compares with the original.
template <class M>
void roundTrip(const M& message, std::string_view bytes) {
    SCOPED_TRACE(std::string(M::word));
    EXPECT_EQ(message.encode(), bytes);
    const std::string encoded = message.encode();
    const std::string line = encoded.substr(0, encoded.find(terminator));
    const CommandLine parts = splitCommand(line);
    const std::string_view word = parts.word.empty() ? std::string_view(line) : parts.word;
    EXPECT_EQ(word, M::word);
    EXPECT_EQ(M::decode(parts.rest), message);
}

TEST(Messages, RequestsRoundTrip) {
    roundTrip(LoginInfo{2, "1.0.2", "Ann"}, "CMD_logininfo+2+1.0.2+Ann\xFF\xFF");
    roundTrip(Chat{3, "hello|clBlack"}, "CMD_chat+3+hello|clBlack\xFF");
    roundTrip(Action{1, "says: hi+there|$00FF0000"}, "CMD_action+1+says: hi+there|$00FF0000\xFF");
    roundTrip(PlayASound{4, "wave7"}, "CMD_playasound+4+wave7+\xFF");
    roundTrip(KickHim{1, 6}, "CMD_kickhim+1+6+\xFF");
    roundTrip(JustWatch{3, 1}, "CMD_justwatch+3+1\xFF");
    roundTrip(JustWatch{3, 2}, "CMD_justwatch+3+2\xFF");
    roundTrip(StartGame{"You", 10, 60}, "CMD_startgame+You+10+60+\xFF");
    roundTrip(HandPlay{1, 25, 4}, "CMD_handplay+1+25+4+\xFF");
    roundTrip(TabPlay{2, 1, 3}, "CMD_tabplay+2+1+3+\xFF");
    roundTrip(HandFound{3, 7, 2}, "CMD_handfound+3+7+2+\xFF");
    roundTrip(TabFound{4, 2, 1}, "CMD_tabfound+4+2+1+\xFF");
    roundTrip(EndTurn{2}, "CMD_endturn+2+\xFF");
    // A connection that adds the terminator itself sends the line without it.
    EXPECT_EQ(lineOf(EndTurn{2}), "CMD_endturn+2+");
}

TEST(Messages, AnnouncementsRoundTrip) {
    roundTrip(SendLoginInfo{3}, "CMD_sendlogininfo+3\xFF");
    roundTrip(Full{}, "CMD_full+\xFF");
    roundTrip(NewPlayerInfo{2, "Ann"}, "CMD_newplayerinfo+2+Ann+0\xFF");
    roundTrip(ExistingPlayers{{{1, "You", false}, {3, "Bob", true}}},
              "CMD_existingplayers+1+You+0+3+Bob+1\xFF");
    roundTrip(HaveWrongVersion{"Bob"}, "CMD_havewrongversion+Bob\xFF");
    roundTrip(WrongVersion{}, "CMD_wrongversion+\xFF");
    roundTrip(PlayerDisconnected{5, "Spy"}, "CMD_playerdisconnected+5+Spy\xFF");
    roundTrip(JustWatching{2, true}, "CMD_justwatching+2+1\xFF");
    roundTrip(JustWatching{2, false}, "CMD_justwatching+2+2\xFF");
    roundTrip(RoundStart{3, 2, {{1, true}, {2, true}, {3, false}, {4, false}}},
              "CMD_roundstart+3+2+1+t+2+t+3+f+4+f\xFF");
    roundTrip(FoundCards{{{1, 5}, {2, 18}, {3, 31}, {4, 44}}},
              "CMD_foundcards+1+5+2+18+3+31+4+44\xFF");
    roundTrip(MyCards{2, {{1, 3}, {7, 52}}}, "CMD_mycards+2+1+3+7+52\xFF");
    roundTrip(NextPlayer{4}, "CMD_nextplayer+4+\xFF");
    roundTrip(PlayHand{1, 2, 3, 17, 5}, "CMD_playhand+1+2+3+17+5+\xFF");
    roundTrip(PlayTab{1, 2, 3, 13, 11, 3}, "CMD_playtab+1+2+3+13+11+3+\xFF");
    roundTrip(FoundCard{2, 4, 26, 9}, "CMD_foundcard+2+4+26+9+\xFF");
    roundTrip(FoundTab{2, 1, 12, 3, 13}, "CMD_foundtab+2+1+12+3+13+\xFF");
    roundTrip(Ending{1, 8, 40, 3}, "CMD_ending+1+8+40+3+\xFF");
    roundTrip(Ending{1, 0, 0, 3}, "CMD_ending+1+0+0+3+\xFF");
    roundTrip(NoMoreCards{}, "CMD_nomorecards+\xFF");
    roundTrip(EndRound{3, 4, 12}, "CMD_endround+3+4+12+\xFF");
    roundTrip(Winner{1}, "CMD_winner+1+\xFF");
    roundTrip(GameStats{5,
                        10,
                        90,
                        42,
                        2,
                        19,
                        3,
                        {{'p', 1, 6, 4, "t"}, {'f', 1, 13, 0, "a"}, {'t', 1, 20, 7, "a"}}},
              "CMD_gamestats+5+10+90+42+2+19+3+p+1+6+4+t+f+1+13+0+a+t+1+20+7+a\xFF");
}

TEST(Messages, UnreadableFieldsEndTheReading) {
    EXPECT_THROW(HandPlay::decode("1+x+3+"), FieldError);
    EXPECT_THROW(PlayHand::decode("1+2+3+4"), FieldError);  // a field missing
    EXPECT_THROW(RoundStart::decode("1+2+1+yes"), FieldError);
    EXPECT_THROW(GameStats::decode("1+2+3+4+5+6+7+pp+1+2+3+t"), FieldError);
    // The start request's numbers fall back to the defaults the host has always used.
    EXPECT_EQ(StartGame::decode("Ann+lots+"), (StartGame{"Ann", 5, 90}));
    // The player list stops at the first entry that does not start with a slot.
    EXPECT_EQ(ExistingPlayers::decode("1+You+0+junk").players.size(), 1u);
}

}  // namespace
}  // namespace tess::wire
