#pragma once

#include <QString>
#include <stdexcept>

namespace platform::basic {

// A BASIC run-time error: a number, the source that raised it and a description.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(long number, QString source, QString description);

    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString source_;
    QString description_;
};

// The runtime's error object: the pending error that an error trap caught.
class ErrObject {
public:
    long Number = 0;
    QString Source;
    QString Description;

    void Raise(const RuntimeError& error);
    void Clear();
};

ErrObject& Err();

}  // namespace platform::basic
