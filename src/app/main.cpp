#include "AppContext.h"
#include "IxvApplication.h"
#include "QtDialogs.h"
#include "ScreenMetricsReader.h"
#include "TIxv7MainForm.h"
#include "TIxvProcs.h"
#include "TSoundFX.h"

int main(int argc, char** argv) {
    IxvApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tamberlin32"));
    QCoreApplication::setApplicationName(QStringLiteral("Ixenvar"));

    QtDialogs dialogs;
    app.setDialogs(&dialogs);
    auto store = std::make_unique<SettingsStore>(SettingsStore::defaultPath());
    store->setDamageNotifier([&dialogs](const QString& text) {
        dialogs.warning(nullptr, QStringLiteral("Ixenvar"), text);
    });
    TIxvProcs procs(std::move(store), readScreenMetrics());
    procs.setDialogs(&dialogs);
    TSoundFX sounds;
    procs.setSounds(&sounds);

    AppContext ctx(procs);
    TIxv7MainForm mainForm(ctx);
    mainForm.show();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        mainForm.openPuzzleFile(args.at(1));
    return app.exec();
}
