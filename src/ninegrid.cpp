#include "carrelixresources.h"
#include "displaycheck.h"
#include "framewnd.h"
#include "ninegridview.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    if (const std::string reason = AfxMissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "carrelix: %s\n", reason.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    AfxSetResourceHandle(&CarrelixResources());

    CFrameWnd frame;
    frame.Create(QStringLiteral("Le Carrelix"));
    if (!frame.CreateView(std::make_unique<CNinegridView>()))
        return 1;
    frame.InitialUpdateFrame();
    frame.GetSafeHwnd()->show();
    return QApplication::exec();
}
