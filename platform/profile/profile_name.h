#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform::profile {

// A section or key name as a caller gives it. Names are stored in GBK, so a
// character that GBK lacks is matched in its stored form ("?"); blanks around
// the name do not count; case never counts.
class ProfileName {
public:
    explicit ProfileName(const QString& name);

    // Whether a name as stored in the file (GBK bytes, blanks trimmed) is this one.
    bool Matches(QByteArrayView stored) const;
    // The name as it is written into the file.
    const QByteArray& ansi() const { return ansi_; }

private:
    QString text_;
    QByteArray ansi_;
    bool ascii_;
};

}  // namespace platform::profile
