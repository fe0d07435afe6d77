#include "platform/basic/runtime_error.h"

namespace platform::basic {

RuntimeError::RuntimeError(long number, QString source, QString description)
    : std::runtime_error(description.toStdString()),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

void ErrObject::Raise(const RuntimeError& error) {
    Number = error.number();
    Source = error.source();
    Description = error.description();
}

void ErrObject::Clear() {
    Number = 0;
    Source.clear();
    Description.clear();
}

ErrObject& Err() {
    static ErrObject err;
    return err;
}

}  // namespace platform::basic
