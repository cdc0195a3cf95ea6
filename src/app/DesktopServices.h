#pragma once

#include <QUrl>

// Asks the desktop to open a document, a web page or a mail message. Tests see what would be
// opened instead.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    virtual bool openUrl(const QUrl& url) = 0;
};
