#pragma once

#include "app/ui/EditDialog.h"
#include "shell/OperatorStore.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// One operator: name, password, remarks, the disabled flag and the
// permissions he holds. Adding keeps the dialog open for the next operator.
class TFrmLimitGl : public EditDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Change };

    // `op` is the operator to change (ignored when adding); `saved` reloads
    // the list on the saved name.
    TFrmLimitGl(Mode mode, const Operator &op, std::function<void(const QString &name)> saved, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    // The entries as a save would take them.
    Operator entries() const;
    QListWidget *permissionList() const { return m_permissions; }

    void save();      // "保存"
    void tickAll(bool ticked); // "全选" / "清除"
    void clearEntries();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refillNames();
    void layOutPermissions();

    Mode m_mode;
    qint64 m_id = 0;
    std::function<void(const QString &)> m_saved;
    OperatorStore m_store;

    QComboBox *m_name;
    QLineEdit *m_password;
    QLineEdit *m_repeated;
    QPlainTextEdit *m_mem;
    QListWidget *m_permissions;
    QCheckBox *m_disabled;
};
