#include "platform/controlhost/host_errors.h"

namespace platform::controlhost {
namespace {

RuntimeError Make(long number, const char* description) {
    return RuntimeError(number, QStringLiteral("Marlquin"), QString::fromUtf8(description));
}

}  // namespace

RuntimeError Overflow() {
    return Make(6, "溢出");
}
RuntimeError SubscriptOutOfRange() {
    return Make(9, "下标越界");
}
RuntimeError TypeMismatch() {
    return Make(13, "类型不匹配");
}
RuntimeError InvalidProcedureCall() {
    return Make(5, "无效的过程调用或参数");
}
RuntimeError ObjectNotSet() {
    return Make(91, "对象变量或 With 块变量未设置");
}
RuntimeError InvalidPicture() {
    return Make(481, "无效图片");
}

}  // namespace platform::controlhost
