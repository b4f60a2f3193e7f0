#pragma once

#include <QByteArray>

namespace tw::test
{

// A large design whose every version differs: the dialog is named "v<version>"
// and holds many buttons with code.
inline QByteArray saveLoopDesign(int version)
{
    QByteArray text = "object DCLPanelBasic: TDCLPanel\n  Width = 600\n  Height = 400\n"
                      "  DialogName = 'v" +
                      QByteArray::number(version) +
                      "'\n"
                      "  DialogCaption = 'Version " +
                      QByteArray::number(version) + "'\n";
    for (int i = 0; i < 300; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "  object DCLButton" + n + ": TDCLButton\n    Top = " + n + "\n    Key = 'k" + n +
                "_" + QByteArray::number(version) +
                "'\n    LispCode.Strings = (\n      '(alert \"" + n + "\")'\n    )\n  end\n";
    }
    return text + "end\n";
}

} // namespace tw::test
