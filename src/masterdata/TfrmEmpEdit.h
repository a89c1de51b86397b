#pragma once

#include "app/ui/EditDialog.h"
#include "masterdata/EmployeeStore.h"

#include <functional>

class DataGrid;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Adds an employee or changes the one under the list's cursor.
class TfrmEmpEdit : public EditDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Change };

    // `list` is the list window's grid: change mode edits its current row and
    // the navigator moves it. `saved` reopens the list on the saved code.
    TfrmEmpEdit(Mode mode, DataGrid *list, std::function<void(const QString &code)> saved, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    // The fields as an employee, as a save would take them.
    Employee employee() const;
    void showEmployee(const Employee &employee);
    void clearFields();
    const QString &imagePath() const { return m_imagePath; }

    // 确定: saves; closes unless adding with 连续新增.
    void save();
    void loadPicture();
    void clearPicture();
    // Shows the picture of a path; false (and nothing changed) when it does not load.
    bool showPicture(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadCurrentRow();

    Mode m_mode;
    DataGrid *m_list;
    std::function<void(const QString &)> m_saved;
    EmployeeStore m_store;
    QString m_imagePath;

    QLineEdit *m_code;
    QLineEdit *m_name;
    QComboBox *m_sex;
    QComboBox *m_duty;
    QComboBox *m_dept;
    QLineEdit *m_phone;
    QLineEdit *m_bank;
    QPlainTextEdit *m_mem;
    QCheckBox *m_left;
    QLabel *m_picture;
    QCheckBox *m_continuous;
};
