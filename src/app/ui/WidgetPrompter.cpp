#include "app/ui/WidgetPrompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

QString qtFileFilter(const QString &filter)
{
    if (filter.isEmpty())
        return {};
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts.at(i) + QStringLiteral(" (") + QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')'));
    return filters.join(QStringLiteral(";;"));
}

int WidgetPrompter::showMsg(const QString &text, int kind) { return showTitledMsg(msgTitle(kind), text, kind); }

int WidgetPrompter::showTitledMsg(const QString &title, const QString &text, int kind)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (kind) {
    case MsgInformation: box.setIcon(QMessageBox::Information); break;
    case MsgQuestion: box.setIcon(QMessageBox::Question); break;
    case MsgWarning: box.setIcon(QMessageBox::Warning); break;
    case MsgError: box.setIcon(QMessageBox::Critical); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    QPushButton *ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    QPushButton *cancel = nullptr;
    if (kind == MsgQuestion)
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel ? cancel : ok);
    box.exec();
    return box.clickedButton() == ok ? MsgOk : MsgCancel;
}

QString WidgetPrompter::openFileName(const FileRequest &request)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, request.folder,
                                        qtFileFilter(request.filter));
}

QString WidgetPrompter::saveFileName(const FileRequest &request)
{
    const QString start = request.fileName.isEmpty() ? request.folder : request.folder + QLatin1Char('/') + request.fileName;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, start, qtFileFilter(request.filter));
}

QString WidgetPrompter::existingFolder(const FileRequest &request)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), request.title, request.folder);
}

bool WidgetPrompter::inputText(const QString &title, const QString &label, QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

bool WidgetPrompter::openWithSystem(const QUrl &url) { return QDesktopServices::openUrl(url); }

bool WidgetPrompter::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QPrinter &programPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool WidgetPrompter::printerSetup()
{
    QPrintDialog dialog(&programPrinter(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    return dialog.exec() == QDialog::Accepted;
}
