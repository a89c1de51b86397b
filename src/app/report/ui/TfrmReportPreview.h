#pragma once

#include <QDialog>

class PrintDocument;
class QLabel;
class QPrintPreviewWidget;
class QToolButton;

// The print preview: the pages as they will print, with printing, printer
// set-up, zoom, page navigation and the exports (PDF, HTML, CSV, Excel,
// pictures). The document belongs to the caller and outlives the window.
class TfrmReportPreview : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmReportPreview(const PrintDocument &document, QWidget *parent = nullptr);

    QPrintPreviewWidget *previewWidget() const { return m_preview; }

private:
    QToolButton *addButton(const QString &name, const QString &text, int icon, void (TfrmReportPreview::*slot)());
    void print();
    void printerSetup();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();
    void firstPage();
    void priorPage();
    void nextPage();
    void lastPage();
    void showPage();
    void exportTo(int format);

    const PrintDocument &m_document;
    QPrintPreviewWidget *m_preview = nullptr;
    QLabel *m_pageLabel = nullptr;
    QToolButton *m_first = nullptr;
    QToolButton *m_prior = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_last = nullptr;
};
