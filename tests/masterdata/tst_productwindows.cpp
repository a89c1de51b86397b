// The product window and the step dialogs bound to their rules.

#include "support/TestProgram.h"

#include "ProductFixture.h"
#include "report/ReportTestSupport.h"
#include "app/AppInfo.h"
#include "app/ui/CurrencyEdit.h"
#include "app/ui/DataGrid.h"
#include "masterdata/TDlgCopyGongXu.h"
#include "masterdata/TDlgGongXuXz.h"
#include "masterdata/TDlggxXz.h"
#include "masterdata/TFrmGoodMan.h"
#include "masterdata/TfrmGoodEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// Runs `act` on the modal dialog that the next exec() shows.
template<typename Dialog, typename Act>
void whenShown(Act act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<Dialog *>(w); dialog && dialog->isVisible()) {
                act(dialog);
                return;
            }
    });
}

template<typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

QStringList shownProducts(const TFrmGoodMan &w) { return column(w.productGrid()->rows(), QStringLiteral("F_goodname")); }

QStringList shownCodes(const DataGrid *grid) { return column(grid->rows(), QStringLiteral("F_gxCode")); }

// Changes a cell the way a finished cell editor hands its value over.
void editCell(DataGrid *grid, int row, const QString &field, const QVariant &value)
{
    QVERIFY(grid->model()->setData(grid->model()->index(row, grid->columnOf(field)), value, Qt::EditRole));
    QCoreApplication::processEvents();
}

} // namespace

class TstProductWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moneyFields_data();
    void moneyFields();
    void theWindowShowsProductsWithTheirSteps();
    void theQueryBar();
    void keysAndTools();
    void addingStepsInARow();
    void changeModeMovesAStepToAnotherProduct();
    void changingStepsInPlace();
    void deletingTheLastStepOfAProduct();
    void printingNeedsProducts();
    void theWindowOpensItsDialogs();
    void theCopyDialog();
    void theAssistant();
    void thePicker();
};

void TstProductWindows::moneyFields_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("four decimals kept") << 4 << QStringLiteral("1234.5678") << 1234.5678 << QStringLiteral("￥1,234.5678");
    QTest::newRow("at least two shown") << 4 << QStringLiteral("0.7") << 0.7 << QStringLiteral("￥0.70");
    QTest::newRow("a fifth decimal is not taken") << 4 << QStringLiteral("0.12345") << 0.1234 << QStringLiteral("￥0.1234");
    QTest::newRow("letters are not taken") << 4 << QStringLiteral("a1b.5") << 1.5 << QStringLiteral("￥1.50");
    QTest::newRow("a negative amount") << 4 << QStringLiteral("-2.5") << -2.5 << QStringLiteral("-￥2.50");
    QTest::newRow("emptied is nothing") << 4 << QString() << 0.0 << QStringLiteral("￥0.00");
    QTest::newRow("two decimals for a query") << 2 << QStringLiteral("12.555") << 12.55 << QStringLiteral("￥12.55");
}

void TstProductWindows::moneyFields()
{
    QFETCH(int, decimals);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    CurrencyEdit edit(decimals, decimals == 2 ? QStringLiteral("￥,0.00;-￥,0.00") : QStringLiteral("￥,0.00##;-￥,0.00##"));
    edit.setValue(99);
    edit.show();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, typed);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.value(), value);
    QCOMPARE(edit.text(), shown);
}

void TstProductWindows::theWindowShowsProductsWithTheirSteps()
{
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    TFrmGoodMan w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("产品工序定义"));
    QCOMPARE(shownProducts(w), (QStringList{"AB", "ABC", "N", "O'K"}));
    QCOMPARE(shownCodes(w.stepGrid()), (QStringList{"01", "02"}));
    QCOMPARE(w.statusPanel(2)->text(), QStringLiteral("记录数：2"));
    QCOMPARE(w.statusPanel(3)->text(), QStringLiteral("制作：") + AppInfo::publisherLabel() + QStringLiteral("       "));
    const int price = w.stepGrid()->columnOf(QStringLiteral("F_Price"));
    QCOMPARE(w.stepGrid()->model()->footerText(price), QStringLiteral("￥15.75"));
    QCOMPARE(w.stepGrid()->model()->data(w.stepGrid()->model()->index(0, 0), Qt::BackgroundRole).value<QColor>(),
             QColor(0, 255, 255));

    // Navigation moves through the products; the steps follow.
    w.tool(Tool::Last)->click();
    QCOMPARE(w.currentProduct(), QStringLiteral("O'K"));
    QCOMPARE(shownCodes(w.stepGrid()), (QStringList{"01", "K1"}));
    w.tool(Tool::Prior)->click();
    QCOMPARE(shownCodes(w.stepGrid()), QStringList{QStringLiteral("01")});
    QCOMPARE(w.statusPanel(2)->text(), QStringLiteral("记录数：1"));
    w.productGrid()->setCurrentRow(0);
    QCOMPARE(w.stepGrid()->model()->footerText(price), QStringLiteral("￥15.75"));

    child<QCheckBox>(&w, "CheckBox2")->click(); // 包含已停用
    QCOMPARE(shownProducts(w), (QStringList{"AB", "ABC", "N", "O'K", "XY"}));
    QCOMPARE(shownCodes(w.stepGrid()), (QStringList{"01", "02", "03"}));
    QCOMPARE(w.statusPanel(2)->text(), QStringLiteral("记录数：3"));
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstProductWindows::theQueryBar()
{
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    TFrmGoodMan w;
    w.show();
    auto *type = child<QComboBox>(&w, "ComboBox1");
    auto *text = child<QLineEdit>(&w, "Edit1");
    auto *choice = child<QComboBox>(&w, "ComboBox2");
    auto *price = child<CurrencyEdit>(&w, "cePrice");
    auto *run = child<QToolButton>(&w, "SpeedButton1");
    QCOMPARE(type->count(), 6);
    QCOMPARE(type->currentIndex(), -1);
    QVERIFY(text->isVisible() && !choice->isVisible() && !price->isVisible());

    type->setCurrentIndex(0); // 工序编号
    text->setText(QStringLiteral("k"));
    run->click();
    QCOMPARE(shownProducts(w), QStringList{QStringLiteral("O'K")});
    QCOMPARE(shownCodes(w.stepGrid()), QStringList{QStringLiteral("K1")});

    type->setCurrentIndex(2); // 产品名称: the products in use to choose from
    QVERIFY(!text->isVisible() && choice->isVisible());
    QCOMPARE(choice->count(), 5);
    QCOMPARE(shownProducts(w), QStringList{QStringLiteral("O'K")}); // changing the type runs nothing
    choice->setEditText(QStringLiteral("AB"));
    run->click();
    QCOMPARE(shownProducts(w), (QStringList{"AB", "ABC"}));

    type->setCurrentIndex(5); // 工价
    QVERIFY(price->isVisible() && !choice->isVisible());
    price->setValue(12.5);
    run->click();
    QCOMPARE(shownProducts(w), (QStringList{"AB", "ABC"}));
    QCOMPARE(shownCodes(w.stepGrid()), QStringList{QStringLiteral("01")});
    QCOMPARE(price->text(), QStringLiteral("￥12.50"));

    // The hidden boxes keep what they hold.
    type->setCurrentIndex(1);
    QCOMPARE(text->text(), QStringLiteral("k"));
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstProductWindows::keysAndTools()
{
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    TFrmGoodMan w;
    w.show();
    QVERIFY(!w.tool(Tool::Save)->isEnabled());
    QVERIFY(!w.tool(Tool::Cancel)->isEnabled());
    auto *bar = child<QToolBar>(&w, "ToolBar1");
    for (QAction *action : bar->actions())
        if (bar->widgetForAction(action) == w.tool(Tool::Query))
            QVERIFY(!action->isVisible());
    QCOMPARE(child<QToolButton>(&w, "ToolButton1")->text(), QStringLiteral("设置"));

    auto *text = child<QLineEdit>(&w, "Edit1");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier); // 保存 is disabled
    QVERIFY(program.prompter.prompts.isEmpty());
    program.prompter.questionAnswers.enqueue(MsgCancel);
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(program.prompter.texts(QStringLiteral("question")),
             QStringList{QStringLiteral("删除当前产品，将同时删除当前产品\"AB\"下的工序\"裁剪\"吗？")});
    QCOMPARE(w.stepGrid()->rowCount(), 2);
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
}

void TstProductWindows::addingStepsInARow()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    TFrmGoodMan w;
    w.show();
    TfrmGoodEdit dialog(TfrmGoodEdit::Mode::Add, w.stepGrid(),
                        [&w](const QString &product, qint64 id) { w.reloadAt(product, id); });
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("产品工序 - 新增"));
    QVERIFY(child<QCheckBox>(&dialog, "CheckBox1")->isChecked());
    QVERIFY(!(child<QWidget>(&dialog, "mem")->focusPolicy() & Qt::TabFocus)); // Tab goes past the remark
    auto *code = child<QLineEdit>(&dialog, "edtcode");
    auto *name = child<QLineEdit>(&dialog, "edtName");
    auto *product = child<QComboBox>(&dialog, "cbbgoodname");
    auto *price = child<CurrencyEdit>(&dialog, "cePrice");
    product->setEditText(QStringLiteral("衬衫"));
    child<QComboBox>(&dialog, "cbbtype")->setEditText(QStringLiteral("上衣"));
    child<QComboBox>(&dialog, "cbbspec")->setEditText(QStringLiteral("XL"));
    child<QComboBox>(&dialog, "cbbUnit")->setEditText(QStringLiteral("件"));
    const QList<QPair<QString, double>> steps{{"01", 1.5}, {"02", 2.25}, {"03", 0.125}};
    for (const auto &[c, p] : steps) {
        code->setText(c);
        name->setText(QStringLiteral("工序") + c);
        price->setValue(p);
        child<QPlainTextEdit>(&dialog, "mem")->setPlainText(QStringLiteral("备注"));
        child<QPushButton>(&dialog, "Button1")->click();
        QVERIFY(dialog.isVisible());
        // Ready for the next step of the same product.
        QCOMPARE(code->text(), QString());
        QCOMPARE(name->text(), QString());
        QCOMPARE(price->value(), 0.0);
        QCOMPARE(child<QPlainTextEdit>(&dialog, "mem")->toPlainText(), QString());
        QCOMPARE(product->currentText(), QStringLiteral("衬衫"));
        QCOMPARE(child<QComboBox>(&dialog, "cbbUnit")->currentText(), QStringLiteral("件"));
        QCOMPARE(w.currentProduct(), QStringLiteral("衬衫"));
        QCOMPARE(w.stepGrid()->rows().text(w.stepGrid()->currentRow(), QStringLiteral("F_gxCode")), c);
    }
    QCOMPARE(shownCodes(w.stepGrid()), (QStringList{"01", "02", "03"}));
    QCOMPARE(dm.QueryString(QStringLiteral("select F_spec from wg_WorkingProduct where F_Code = '衬衫03'")), QStringLiteral("XL"));
    // Entering a list offers what the steps use, keeping what was typed.
    auto *unit = child<QComboBox>(&dialog, "cbbUnit");
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(unit, &focusIn);
    QCOMPARE(unit->count(), 4); // 件 条 箱 个
    QCOMPARE(unit->currentText(), QStringLiteral("件"));

    code->setText(QStringLiteral("02"));
    child<QPushButton>(&dialog, "Button1")->click();
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("工序编码重复，请重新输入！")});
    QVERIFY(dialog.isVisible());
    child<QCheckBox>(&dialog, "CheckBox1")->setChecked(false);
    code->setText(QStringLiteral("04"));
    child<QPushButton>(&dialog, "Button1")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(w.stepGrid()->rowCount(), 4);
}

void TstProductWindows::changeModeMovesAStepToAnotherProduct()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    TFrmGoodMan w;
    w.show();
    w.productGrid()->setCurrentRow(3); // O'K
    w.stepGrid()->setCurrentRow(1);    // K1
    TfrmGoodEdit dialog(TfrmGoodEdit::Mode::Change, w.stepGrid(),
                        [&w](const QString &product, qint64 id) { w.reloadAt(product, id); });
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("产品工序 - 修改"));
    auto *code = child<QLineEdit>(&dialog, "edtcode");
    QCOMPARE(code->text(), QStringLiteral("K1"));
    QVERIFY(code->isReadOnly());
    QVERIFY(!child<QCheckBox>(&dialog, "CheckBox1")->isVisible());
    QCOMPARE(child<CurrencyEdit>(&dialog, "cePrice")->value(), 0.5);
    child<QToolButton>(&dialog, "DBNavigator1_0")->click(); // first step of the product
    QCOMPARE(code->text(), QStringLiteral("01"));
    QCOMPARE(child<QLineEdit>(&dialog, "edtName")->text(), QStringLiteral("钉扣"));

    // 01 to N, which has a step 01 already: refused.
    child<QComboBox>(&dialog, "cbbgoodname")->setEditText(QStringLiteral("N"));
    child<QPushButton>(&dialog, "Button1")->click();
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("工序编码重复，请重新输入！")});
    child<QComboBox>(&dialog, "cbbgoodname")->setEditText(QStringLiteral("M"));
    child<QPushButton>(&dialog, "Button1")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(w.currentProduct(), QStringLiteral("M"));
    QCOMPARE(dm.QueryString(QStringLiteral("select F_Code from wg_WorkingProduct where F_GoodName = 'M'")), QStringLiteral("M01"));
    QCOMPARE(shownProducts(w), (QStringList{"AB", "ABC", "M", "N", "O'K"}));
}

void TstProductWindows::changingStepsInPlace()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    TFrmGoodMan w;
    w.show();
    DataGrid *steps = w.stepGrid();
    const int price = steps->columnOf(QStringLiteral("F_Price"));
    editCell(steps, 1, QStringLiteral("F_Price"), QStringLiteral("4.5"));
    QCOMPARE(dm.QueryFloat(QStringLiteral("select F_Price from wg_WorkingProduct where F_Code = 'AB02'")), 4.5);
    QCOMPARE(steps->model()->footerText(price), QStringLiteral("￥17.00"));

    editCell(steps, 1, QStringLiteral("F_gxCode"), QStringLiteral("05"));
    QCOMPARE(stepId(dm, QStringLiteral("AB02")), 0);
    QVERIFY(stepId(dm, QStringLiteral("AB05")) > 0);
    QCOMPARE(steps->rows().text(1, QStringLiteral("F_Code")), QStringLiteral("AB05"));

    // A four-decimal price comes back unchanged out of its cell editor.
    editCell(steps, 0, QStringLiteral("F_Price"), QStringLiteral("123.4567"));
    QTableView *view = steps->view();
    const QModelIndex cell = steps->model()->index(0, price);
    view->setCurrentIndex(cell);
    view->edit(cell);
    QWidget *editor = view->indexWidget(cell);
    QVERIFY(editor);
    Q_EMIT view->itemDelegate()->commitData(editor);
    QCoreApplication::processEvents();
    QCOMPARE(dm.QueryFloat(QStringLiteral("select F_Price from wg_WorkingProduct where F_Code = 'AB01'")), 123.4567);

    // A code the product has already is refused and the cell shows the old one.
    editCell(steps, 1, QStringLiteral("F_gxCode"), QStringLiteral("01"));
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("工序编码重复，请重新输入！")});
    QCOMPARE(steps->rows().text(1, QStringLiteral("F_gxCode")), QStringLiteral("05"));
    QVERIFY(stepId(dm, QStringLiteral("AB05")) > 0);
}

void TstProductWindows::deletingTheLastStepOfAProduct()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    TFrmGoodMan w;
    w.show();
    w.productGrid()->setCurrentRow(1); // ABC, one step
    w.tool(Tool::Del)->click();
    QCOMPARE(program.prompter.texts(QStringLiteral("question")),
             QStringList{QStringLiteral("删除当前产品，将同时删除当前产品\"ABC\"下的工序\"裁剪边\"吗？")});
    QCOMPARE(stepId(dm, QStringLiteral("ABC01")), 0);
    QCOMPARE(shownProducts(w), (QStringList{"AB", "N", "O'K"}));
}

void TstProductWindows::printingNeedsProducts()
{
    TestProgram program;
    TdmData &dm = program.connect();
    installDeliveredTemplates(program);
    RecordingViewer viewer;
    TFrmGoodMan empty;
    empty.show();
    empty.tool(Tool::Print)->click();
    QVERIFY(viewer.previews.isEmpty()); // nothing to print
    child<QToolButton>(&empty, "ToolButton1")->click();
    QCOMPARE(viewer.designs, 1); // the template can still be designed
    QVERIFY(program.prompter.prompts.isEmpty());
    empty.close();

    QVERIFY(addCatalogue(dm));
    TFrmGoodMan w;
    w.show();
    w.tool(Tool::Print)->click();
    QCOMPARE(viewer.previews.size(), 1);
    const QString text = viewer.previews.first().pageTexts.join(QLatin1Char('\n'));
    for (const char *shown : {"AB", "ABC", "O'K", "裁剪边", "钉扣", "锁眼"})
        QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
    QVERIFY(!text.contains(QStringLiteral("熨烫"))); // retired steps are not listed, so not printed
}

void TstProductWindows::theWindowOpensItsDialogs()
{
    TestProgram program;
    TdmData &dm = program.connect();
    {
        // Changing on an empty list: blank fields, and saving says why not.
        TFrmGoodMan empty;
        empty.show();
        whenShown<TfrmGoodEdit>([](TfrmGoodEdit *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("产品工序 - 修改"));
            QCOMPARE(child<QLineEdit>(d, "edtcode")->text(), QString());
            child<QPushButton>(d, "Button1")->click();
            QVERIFY(d->isVisible());
            child<QPushButton>(d, "Button2")->click();
        });
        empty.tool(Tool::Edit)->click();
        QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("当前工序编码不能为空！")});
    }
    QVERIFY(addCatalogue(dm));
    TFrmGoodMan w;
    w.show();
    // A double-click on a step changes it.
    whenShown<TfrmGoodEdit>([](TfrmGoodEdit *d) {
        QCOMPARE(child<QLineEdit>(d, "edtcode")->text(), QStringLiteral("02"));
        child<QPushButton>(d, "Button2")->click();
    });
    w.stepGrid()->setCurrentRow(1);
    Q_EMIT w.stepGrid()->view()->doubleClicked(w.stepGrid()->model()->index(1, 1));

    whenShown<TDlgCopyGongXu>([](TDlgCopyGongXu *d) {
        child<QComboBox>(d, "cbbname")->setCurrentIndex(3); // O'K
        child<QLineEdit>(d, "edtname")->setText(QStringLiteral("O'K 2"));
        child<QPushButton>(d, "BitBtn1")->click();
    });
    child<QPushButton>(&w, "Button1")->click();
    QCOMPARE(w.currentProduct(), QStringLiteral("O'K 2"));
    QCOMPARE(shownCodes(w.stepGrid()), (QStringList{"01", "K1"}));

    whenShown<TDlgGongXuXz>([](TDlgGongXuXz *d) {
        child<QLineEdit>(d, "edtname")->setText(QStringLiteral("GH"));
        child<QComboBox>(d, "cbbname")->setEditText(QStringLiteral("ABC"));
        child<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(d->grid()->rowCount(), 0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    child<QPushButton>(&w, "Button2")->click();
    QCOMPARE(w.currentProduct(), QStringLiteral("GH"));
    QCOMPARE(shownCodes(w.stepGrid()), QStringList{QStringLiteral("01")});
    QCOMPARE(program.prompter.prompts.size(), 1);
}

void TstProductWindows::theCopyDialog()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const RowSet before = allSteps(dm);
    TDlgCopyGongXu dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("工序复制"));
    auto *source = child<QComboBox>(&dialog, "cbbname");
    QCOMPARE(source->count(), 5);
    source->setCurrentIndex(0); // AB
    DataGrid *grid = dialog.grid();
    QCOMPARE(shownCodes(grid), (QStringList{"01", "02", "03"}));
    editCell(grid, 0, QStringLiteral("F_Price"), QStringLiteral("20"));

    dialog.appendStep();
    QCOMPARE(grid->rowCount(), 4);
    child<QLineEdit>(&dialog, "edtname")->setText(QStringLiteral("CD"));
    child<QPushButton>(&dialog, "BitBtn1")->click();
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("当前工序编号不能为空！")});
    QCOMPARE(grid->currentRow(), 3);
    dialog.deleteStep();
    QCOMPARE(program.prompter.texts(QStringLiteral("question")), QStringList{QStringLiteral("真的要删除当前工序 \"\" 吗？")});
    QCOMPARE(grid->rowCount(), 3);

    // A name still being typed in its cell goes into the copy too.
    QTableView *view = grid->view();
    view->setCurrentIndex(grid->model()->index(2, grid->columnOf(QStringLiteral("F_Name"))));
    auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(view->currentIndex()));
    QVERIFY(editor);
    editor->setText(QStringLiteral("熨烫包装"));
    child<QPushButton>(&dialog, "BitBtn1")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.copiedName(), QStringLiteral("CD"));
    QCOMPARE(dm.QueryString(QStringLiteral("select F_Name from wg_WorkingProduct where F_Code = 'CD03'")), QStringLiteral("熨烫包装"));
    QCOMPARE(dm.QueryFloat(QStringLiteral("select F_Price from wg_WorkingProduct where F_Code = 'CD01'")), 20.0);
    QCOMPARE(dm.QueryFloat(QStringLiteral("select F_Price from wg_WorkingProduct where F_Code = 'AB01'")), 12.5);
    QCOMPARE(allSteps(dm).rowCount(), before.rowCount() + 3);
}

void TstProductWindows::theAssistant()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    QStringList reloaded;
    TDlgGongXuXz dialog([&reloaded](const QString &product) { reloaded.append(product); });
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("工序选择"));
    QCOMPARE(dialog.grid()->rowCount(), 0); // empty until a filter changes
    child<QLineEdit>(&dialog, "edtcode")->setText(QStringLiteral("0"));
    QCOMPARE(dialog.grid()->rowCount(), 6);

    child<QPushButton>(&dialog, "BitBtn1")->click(); // no target yet
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("新产品名称不能为空，请输入！")});
    child<QLineEdit>(&dialog, "edtname")->setText(QStringLiteral("EF"));
    dialog.grid()->setCurrentRow(1); // AB/02
    child<QPushButton>(&dialog, "BitBtn1")->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(stepNames(dialog.grid()->rows()), (QStringList{"AB/01", "AB/03", "ABC/01", "EF/02", "N/01", "O'K/01"}));
    QCOMPARE(dialog.grid()->rows().text(dialog.grid()->currentRow(), QStringLiteral("F_Code")), QStringLiteral("AB03"));
    QCOMPARE(reloaded, QStringList{QStringLiteral("EF")});
    QVERIFY(stepId(dm, QStringLiteral("EF02")) > 0);
}

void TstProductWindows::thePicker()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const qint64 given = stepId(dm, QStringLiteral("N01"));
    whenShown<TDlggxXz>([](TDlggxXz *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("产品选择"));
        QCOMPARE(d->grid()->rowCount(), 8);
        QCOMPARE(d->grid()->currentRow(), 0);
        QCOMPARE(d->grid()->model()->column(6).title, QStringLiteral("计件单价"));
        d->grid()->setCurrentRow(3);
        child<QPushButton>(d, "BitBtn2")->click();
    });
    QCOMPARE(PickStep(given), given);

    whenShown<TDlggxXz>([](TDlggxXz *d) {
        child<QLineEdit>(d, "edtName")->setText(QStringLiteral("锁"));
        d->grid()->setCurrentRow(0);
        Q_EMIT d->grid()->view()->doubleClicked(d->grid()->model()->index(0, 0));
    });
    QCOMPARE(PickStep(given), stepId(dm, QStringLiteral("O'KK1")));
}

QTEST_MAIN(TstProductWindows)
#include "tst_productwindows.moc"
