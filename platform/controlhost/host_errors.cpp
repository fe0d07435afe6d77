#include "platform/controlhost/host_errors.h"

namespace platform::controlhost {
namespace {

basic::RuntimeError Make(long number, const char* description) {
    return basic::RuntimeError(number, QStringLiteral("Marlquin"), QString::fromUtf8(description));
}

}  // namespace

basic::RuntimeError Overflow() {
    return Make(6, "溢出");
}
basic::RuntimeError SubscriptOutOfRange() {
    return Make(9, "下标越界");
}
basic::RuntimeError TypeMismatch() {
    return Make(13, "类型不匹配");
}
basic::RuntimeError InvalidProcedureCall() {
    return Make(5, "无效的过程调用或参数");
}
basic::RuntimeError ObjectNotSet() {
    return Make(91, "对象变量或 With 块变量未设置");
}
basic::RuntimeError InvalidPicture() {
    return Make(481, "无效图片");
}

}  // namespace platform::controlhost
