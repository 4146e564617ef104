#include "DlgOptions.h"

#include "Messages.h"
#include "ui_DlgOptions.h"

namespace tervane {

namespace {

struct TEditorPathHook {
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

TEditorPathHook& editorPathHook() {
    static TEditorPathHook hook;
    return hook;
}

} // namespace

void SetEditorPathHook(std::function<QString()> get, std::function<void(const QString&)> set) {
    editorPathHook() = {std::move(get), std::move(set)};
}

int BrowseFilterIndex(const QString& path) {
    const QString lower = path.toLower();
    return lower.endsWith(QStringLiteral(".exe")) || lower.endsWith(QStringLiteral(".com")) ? 1 : 2;
}

TDlgOptions::TDlgOptions(QWidget* parent)
    : TInputDialog(parent), m_ui(std::make_unique<Ui::TDlgOptions>()) {
    m_ui->setupUi(this);
    FinishForm(QStringLiteral("Control Options"));
    connect(m_ui->btnBrowse, &QPushButton::clicked, this, &TDlgOptions::btnBrowseClick);
}

TDlgOptions::~TDlgOptions() = default;

TDlgOptions* TDlgOptions::ShowInstance() {
    return ShowInstanceOf(s_instance);
}

void TDlgOptions::LoadFields(TProgramData&) {
    const auto& hook = editorPathHook();
    m_ui->edEditor->setText(hook.get ? hook.get() : QString());
}

void TDlgOptions::StoreFields(TProgramData&) {
    const auto& hook = editorPathHook();
    if (hook.set) hook.set(m_ui->edEditor->text());
}

void TDlgOptions::btnBrowseClick() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = kProgramsFilter;
    request.initialPath = m_ui->edEditor->text();
    request.filterIndex = BrowseFilterIndex(request.initialPath);
    request.fileMustExist = true;
    if (const auto choice = Messages().openFile(request)) m_ui->edEditor->setText(choice->path);
}

} // namespace tervane
