#include "reach/table_browser.h"

namespace tess {

TableBrowser::TableBrowser(QObject* parent) : QObject(parent) {
    reason_ = tr("This build cannot list tables on the network.");
}

TableBrowser::~TableBrowser() = default;

}  // namespace tess
