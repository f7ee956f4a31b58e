#pragma once

// Marks a text of a table for translation where Qt is not seen: the text
// stays as written (Russian, the interface's source language), and Qt's
// translation tools find it under its context by this macro's name. The
// window translates it when it shows it, with QCoreApplication::translate
// and the same context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
