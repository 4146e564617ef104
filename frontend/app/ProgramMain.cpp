#include "ProgramMain.h"

#include "MainForm.h"
#include "QtMessages.h"
#include "TervaneApplication.h"

namespace tervane {

int RunProgram(int argc, char** argv) {
    TTervaneApplication app(argc, argv);
    TQtMessages messages;
    SetMessages(&messages);
    int status = 0;
    {
        TMainForm form;
        messages.setParent(&form);
        form.show();
        status = app.exec();
    }
    SetMessages(nullptr);
    return status;
}

} // namespace tervane
