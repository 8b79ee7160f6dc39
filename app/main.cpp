// Maskwell: start-up. Takes no arguments of its own; Qt's own (the platform
// plugin, say) are the toolkit's business.
#include "app/Main.h"

#include "app/About.h"
#include "app/FormStyle.h"
#include "platform/Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(new maskwell::TFormStyle); // the application owns it
    QApplication::setApplicationName(QStringLiteral("Maskwell"));
    maskwell::InstallFontSubstitutions();

    maskwell::TMaskwellForm MaskwellForm;
    maskwell::TAboutF AboutF(MaskwellForm); // hidden until About is chosen
    MaskwellForm.SetAboutWindow(&AboutF);
    MaskwellForm.show();
    return QApplication::exec();
}
