#include "reach/upnp_igd.h"

#include <miniupnpc/upnperrors.h>

namespace tess {

bool UpnpIgd::find(UPNPDev* devices, const QString& url) {
    int found = 0;
    if (devices == nullptr) {
        found = UPNP_GetIGDFromUrl(url.toUtf8().constData(), &urls, &data, lanAddress,
                                   sizeof lanAddress);
    } else {
#if MINIUPNPC_API_VERSION >= 18
        char wanAddress[64] = {};
        found = UPNP_GetValidIGD(devices, &urls, &data, lanAddress, sizeof lanAddress, wanAddress,
                                 sizeof wanAddress);
        if (found == 4) found = 0;  // a UPnP device, but not a router
#else
        found = UPNP_GetValidIGD(devices, &urls, &data, lanAddress, sizeof lanAddress);
        if (found == 3) found = 0;
#endif
    }
    // The lists are kept only for a router that was found: free what a failed one left.
    if (found == 0 && urls.controlURL) FreeUPNPUrls(&urls);
    valid = found != 0;
    return valid;
}

QString upnpError(int code) {
    const char* text = strupnperror(code);
    return text ? QStringLiteral("%1 %2").arg(code).arg(QString::fromLatin1(text))
                : QString::number(code);
}

}  // namespace tess
