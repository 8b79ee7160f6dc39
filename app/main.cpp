// Maskwell: start-up. Takes no arguments of its own; Qt's own (the platform
// plugin, say) are the toolkit's business.
#include "app/Main.h"

#include "platform/Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maskwell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Maskwell"));
    maskwell::InstallFontSubstitutions();

    maskwell::TMaskwellForm MaskwellForm;
    MaskwellForm.show();
    return QApplication::exec();
}
