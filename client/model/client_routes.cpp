#include "client/model/client_routes.h"

#include "wire/commands.h"

namespace tess {

namespace {
ClientRoute toModel(std::string_view word, TableModel::Handler handler) {
    return {word, handler, nullptr};
}
ClientRoute toWindow(std::string_view word, void (PlayerEvents::*handler)(std::string_view)) {
    return {word, nullptr, handler};
}
}  // namespace

const std::vector<ClientRoute>& clientRoutes() {
    static const std::vector<ClientRoute> table{
        toWindow(cmd::sendlogininfo, &PlayerEvents::sendlogininfo),
        toWindow(cmd::newplayerinfo, &PlayerEvents::newplayerinfo),
        toWindow(cmd::existingplayers, &PlayerEvents::existingplayers),
        toWindow(cmd::playerdisconnected, &PlayerEvents::playerdisconnected),
        toWindow(cmd::havewrongversion, &PlayerEvents::havewrongversion),
        toWindow(cmd::wrongversion, &PlayerEvents::wrongversion),
        toWindow(cmd::full, &PlayerEvents::full),
        toWindow(cmd::chat, &PlayerEvents::chatrecieved),
        toWindow(cmd::action, &PlayerEvents::chatrecieved),
        toWindow(cmd::playasound, &PlayerEvents::playasound),
        toModel(cmd::startgame, &TableModel::startthegame),
        toModel(cmd::roundstart, &TableModel::roundstart),
        toModel(cmd::nextplayer, &TableModel::getnextplayer),
        toModel(cmd::ending, &TableModel::ending),
        toModel(cmd::endround, &TableModel::endround),
        toModel(cmd::nomorecards, &TableModel::nomorecards),
        toModel(cmd::winner, &TableModel::winner),
        toModel(cmd::gamestats, &TableModel::gamestats),
        toModel(cmd::mycards, &TableModel::mycards),
        toModel(cmd::foundcards, &TableModel::foundcards),
        toModel(cmd::playhand, &TableModel::playhand),
        toModel(cmd::playtab, &TableModel::playtab),
        toModel(cmd::foundcard, &TableModel::foundcard),
        toModel(cmd::foundtab, &TableModel::foundtab),
        toModel(cmd::justwatching, &TableModel::justwatching),
    };
    return table;
}

}  // namespace tess
