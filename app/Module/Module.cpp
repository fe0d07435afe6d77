#include "app/Module/Module.h"

#include <QFileInfo>

#include "platform/basic/app_folder.h"
#include "platform/forms/form.h"
#include "platform/forms/forms_collection.h"
#include "platform/forms/message_box.h"
#include "platform/profile/profile_file.h"
#include "platform/shell/open_url.h"
#include "platform/windows/window_move.h"

namespace Module {
namespace {

// ReadIni's buffer: at most 254 bytes of a value and the closing NUL.
constexpr int kIniBufferSize = 255;

}  // namespace

QString AppPathOf(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + QLatin1Char('/');
}

QString AppPath() {
    return AppPathOf(platform::basic::ApplicationFolder());
}

QString ReadIni(const QString& section, const QString& key, const QString& file) {
    return platform::profile::Read(file, section, key, kIniBufferSize);
}

void WriteIni(const QString& section, const QString& key, const QString& value,
              const QString& file) {
    WriteIniKeys({{section, key, value}}, file);
}

void WriteIniKeys(const QList<IniEntry>& entries, const QString& file) {
    if (platform::profile::WriteAll(file, entries)) return;
    for (qsizetype i = 0; i < entries.size(); ++i)
        platform::forms::MsgBox(QStringLiteral("写入信息时出错,请确定您有足够的权限！"),
                                platform::forms::vbCritical, QStringLiteral("提示"));
}

bool FitsIni(const QString& value) {
    return platform::profile::FitsBuffer(value, kIniBufferSize);
}

void OpenInBrowser(const QString& url) {
    if (platform::shell::OpenUrl(url)) return;
    platform::forms::MsgBox(QStringLiteral("无法启动浏览器,请手动访问以下网址：\r\n") + url,
                            platform::forms::vbInformation, QStringLiteral("提示"));
}

void UnloadAllForms() {
    const auto loaded = platform::forms::Loaded();
    for (qsizetype i = loaded.size() - 1; i >= 0; --i) loaded[i]->Unload();
}

void DragForm(QWidget* frm) {
    platform::windows::BeginWindowMove(frm);
}

bool Contains(const QString& s, const QString& sub) {
    return s.contains(sub, Qt::CaseInsensitive);
}

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

}  // namespace Module
