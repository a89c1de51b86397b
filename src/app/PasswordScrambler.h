#pragma once

#include <QByteArray>
#include <QString>

// Operator passwords as stored in OperList.F_PassWord: the GBK bytes of the
// text in hexadecimal, reversed, each digit behind a random filler character.
// It hides a password from casual reading only; there is no key.
QString EncodePassword(const QString &plain);
QString DecodePassword(const QString &stored);

// The text in the code page GBK, and back.
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);
