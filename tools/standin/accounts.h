#pragma once

#include <QHash>
#include <QString>

// One member account of the accounts file.
struct Account {
    enum class State { Active, Inactive, OkNewline };
    QString password;
    State state = State::Active;
    int delaySeconds = 0;  // the answer waits this long
};

struct Accounts {
    QHash<QString, Account> byUser;
    QString error;  // empty when the file was read
};

// The accounts file is UTF-8, one account a line: user, password and state
// separated by tabs. States: "active", "inactive" (not yet activated),
// "ok-newline" (answers "OK" followed by CR LF), "delay:N" (answers as an
// active account after N seconds). Blank lines and lines starting with "#"
// are skipped.
Accounts LoadAccounts(const QString& path);

struct LoginAnswer {
    QString body;
    int delaySeconds = 0;
};

// The member server's answer to login.asp: "OK" for an active account with
// its password, "Err2" for an account not yet activated, "Err1" otherwise.
LoginAnswer AnswerLogin(const Accounts& accounts, const QString& user, const QString& password);
