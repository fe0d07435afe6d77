#include "accounts.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

namespace {

bool parseState(const QString& text, Account& account) {
    if (text == QStringLiteral("active")) return true;
    if (text == QStringLiteral("inactive")) {
        account.state = Account::State::Inactive;
        return true;
    }
    if (text == QStringLiteral("ok-newline")) {
        account.state = Account::State::OkNewline;
        return true;
    }
    const QString delay = QStringLiteral("delay:");
    if (!text.startsWith(delay)) return false;
    bool ok = false;
    account.delaySeconds = text.mid(delay.size()).toInt(&ok);
    return ok && account.delaySeconds >= 0 && account.delaySeconds <= 3600;
}

QString lineError(const QString& path, int line, const QString& reason) {
    return QStringLiteral("帐户文件 %1 第 %2 行：%3").arg(path).arg(line).arg(reason);
}

}  // namespace

Accounts LoadAccounts(const QString& path) {
    Accounts result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("无法读取帐户文件 %1：%2").arg(path, file.errorString());
        return result;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    const QStringList lines = text.split(u'\n');
    if (utf8.hasError()) {
        result.error = QStringLiteral("帐户文件 %1 不是有效的 UTF-8 文本").arg(path);
        return result;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const int number = static_cast<int>(i + 1);
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 3 || fields[0].isEmpty()) {
            result.error = lineError(path, number, QStringLiteral("应为 用户名<TAB>密码<TAB>状态"));
            return result;
        }
        Account account{fields[1]};
        if (!parseState(fields[2], account)) {
            result.error = lineError(
                path, number,
                QStringLiteral("未知状态“%1”（可用 active、inactive、ok-newline、delay:秒数）")
                    .arg(fields[2]));
            return result;
        }
        if (result.byUser.contains(fields[0])) {
            result.error = lineError(path, number, QStringLiteral("用户名“%1”重复").arg(fields[0]));
            return result;
        }
        result.byUser.insert(fields[0], account);
    }
    return result;
}

LoginAnswer AnswerLogin(const Accounts& accounts, const QString& user, const QString& password) {
    const auto found = accounts.byUser.constFind(user);
    if (found == accounts.byUser.constEnd()) return {QStringLiteral("Err1")};
    const Account& account = *found;
    if (account.password != password) return {QStringLiteral("Err1"), account.delaySeconds};
    switch (account.state) {
        case Account::State::Inactive:
            return {QStringLiteral("Err2"), account.delaySeconds};
        case Account::State::OkNewline:
            return {QStringLiteral("OK\r\n"), account.delaySeconds};
        case Account::State::Active:
            break;
    }
    return {QStringLiteral("OK"), account.delaySeconds};
}
