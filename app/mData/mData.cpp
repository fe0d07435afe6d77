#include "app/mData/mData.h"

#include "app/FrmLogin/FrmLogin.h"
#include "app/Module/Module.h"
#include "platform/basic/runtime_error.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"

namespace mData {

QString ConnStr;
std::unique_ptr<platform::data::Connection> Conn;
std::unique_ptr<platform::data::Recordset> Rs;

void Main() {
    try {
        const QString path = Module::AppPath() + QStringLiteral("Data.dat");
        ConnStr = QStringLiteral("DRIVER=Microsoft Access Driver (*.mdb);DBQ=") + path + ";";
        Conn = std::make_unique<platform::data::Connection>();
        Rs = std::make_unique<platform::data::Recordset>();
        // The string records the settings; the file goes by its own path.
        Conn->ConnectionString = ConnStr;
        Conn->DatabaseFile = path;
        Conn->CursorLocation = 3;
        Conn->CommandTimeout = 30;
        Conn->Open();
        platform::forms::Default<FrmLogin>().Show(platform::forms::Form::Modeless);
    } catch (const platform::basic::RuntimeError& error) {
        platform::basic::Err().Raise(error);
        ShowErrorInfo();
    } catch (const std::exception& error) {
        platform::basic::Err().Raise(platform::basic::RuntimeError(
            440, QStringLiteral("Marlquin"), QString::fromLocal8Bit(error.what())));
        ShowErrorInfo();
    }
}

std::unique_ptr<platform::data::Recordset> OpenRecordset(platform::data::Connection& conn,
                                                         const QString& sql,
                                                         const QVariantList& parameters) {
    auto rs = std::make_unique<platform::data::Recordset>();
    rs->CursorType = 2;
    rs->LockType = 3;
    rs->Source = sql;
    rs->Parameters = parameters;
    rs->ActiveConnection = &conn;
    rs->Open();
    return rs;
}

void CloseConnection() {
    Rs.reset();
    Conn.reset();
}

QString ErrorInfoText(long number, const QString& source, const QString& description) {
    return QStringLiteral("发生错误 #") + QString::number(number) + QStringLiteral("\r\n") +
           QStringLiteral("错误源： ") + source + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Description: ") + description;
}

void ShowErrorInfo() {
    platform::basic::ErrObject& err = platform::basic::Err();
    if (err.Number == 0) return;
    platform::forms::MsgBox(ErrorInfoText(err.Number, err.Source, err.Description),
                            platform::forms::vbCritical, QStringLiteral("VB 运行时错误"));
    err.Clear();
}

}  // namespace mData
