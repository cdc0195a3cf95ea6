#pragma once

#include "app/DesktopServices.h"

// Opens documents, pages and mail messages with the desktop's default applications.
class QtDesktopServices : public DesktopServices {
public:
    bool openUrl(const QUrl& url) override;
};
