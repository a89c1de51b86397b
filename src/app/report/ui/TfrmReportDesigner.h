#pragma once

#include "app/report/ReportDocument.h"

#include <QDialog>
#include <QPrinter>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPrintPreviewWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class ReportDesignSession;

// The template designer: the template text on the left, the names a
// template can use and a live preview over the window's data on the right.
// Double-clicking a name puts its tag at the cursor; "保存" writes the file.
class TfrmReportDesigner : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmReportDesigner(ReportDesignSession &session, QWidget *parent = nullptr);
    ~TfrmReportDesigner() override;

    // Builds the preview now instead of after the pause in typing.
    void refreshPreview();
    const PrintDocument *previewDocument() const { return m_document.get(); }

    void done(int result) override;

private:
    void fillNames();
    void textEdited();
    void insertName(QTreeWidgetItem *item);
    void save();
    void setStatus(const QString &text, const QString &colour);

    ReportDesignSession &m_session;
    QPlainTextEdit *m_text = nullptr;
    QTreeWidget *m_names = nullptr;
    QPrintPreviewWidget *m_preview = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_file = nullptr;
    QTimer *m_pause = nullptr;
    // The preview's own printer: trying a template out must not change the
    // printer the program prints with.
    QPrinter m_printer;
    std::unique_ptr<ReportDocument> m_document;
};
