// A UPnP router's control addresses, found by discovery or read from its description.
#pragma once

#include <miniupnpc/miniupnpc.h>

#include <QString>

namespace tess {

struct UpnpIgd {
    UPNPUrls urls{};
    IGDdatas data{};
    char lanAddress[64] = {};  // this computer's address as seen by the router
    bool valid = false;

    UpnpIgd() = default;
    UpnpIgd(const UpnpIgd&) = delete;
    UpnpIgd& operator=(const UpnpIgd&) = delete;
    ~UpnpIgd() {
        if (valid) FreeUPNPUrls(&urls);
    }

    // The router whose description is at `url` when `devices` is null, else the first
    // router among the devices discovery found.
    bool find(UPNPDev* devices, const QString& url);
};

// A UPnP answer's code and its meaning, for the log.
QString upnpError(int code);

}  // namespace tess
