#include "app/Frmmain/Frmmain.h"

Frmmain::Frmmain(QWidget* parent) : platform::Form(parent) {
    setWindowTitle(QStringLiteral("Marlquin2011"));
    setFixedSize(799, 462);
}

void Frmmain::Form_Load() {}
