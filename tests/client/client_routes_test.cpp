// The client's routing table: every word the host sends has exactly one handler.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "client/model/client_routes.h"
#include "wire/announcements.h"

namespace tess::testing {
namespace {

TEST(ClientRoutes, ListEachWordOnceWithOneHandler) {
    std::set<std::string_view> words;
    for (const ClientRoute& r : clientRoutes()) {
        EXPECT_TRUE(words.insert(r.word).second) << "twice: " << r.word;
        EXPECT_NE(r.model == nullptr, r.window == nullptr) << r.word;
    }
}

TEST(ClientRoutes, CoverEverythingTheHostAnnouncesAndTheRelays) {
    std::set<std::string_view> words;
    for (const ClientRoute& r : clientRoutes())
        words.insert(r.word);
    using namespace wire;
    for (std::string_view word : {SendLoginInfo::word,
                                  Full::word,
                                  NewPlayerInfo::word,
                                  ExistingPlayers::word,
                                  HaveWrongVersion::word,
                                  WrongVersion::word,
                                  PlayerDisconnected::word,
                                  JustWatching::word,
                                  RoundStart::word,
                                  FoundCards::word,
                                  MyCards::word,
                                  NextPlayer::word,
                                  PlayHand::word,
                                  PlayTab::word,
                                  FoundCard::word,
                                  FoundTab::word,
                                  Ending::word,
                                  NoMoreCards::word,
                                  EndRound::word,
                                  Winner::word,
                                  GameStats::word,
                                  StartGame::word,
                                  Chat::word,
                                  Action::word,
                                  PlayASound::word})
        EXPECT_EQ(words.count(word), 1u) << word;
    EXPECT_EQ(words.size(), 25u);
}

}  // namespace
}  // namespace tess::testing
