// The companion program: database work without windows.
//   varnel-tool create-db <folder>   a fresh delivered salary.mdb in the folder
//   varnel-tool check-db <file>      is the file a sound database of ours?

#include "app/DeliveredDatabase.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage(QTextStream &err)
{
    err << "用法：\n"
           "  varnel-tool create-db <文件夹>   在文件夹中创建新的 salary.mdb（已有文件不会被覆盖）\n"
           "  varnel-tool check-db <文件>      检查数据库文件是否完好\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2)
        return usage(err);

    const QString &command = args.at(0);
    if (command == QStringLiteral("create-db")) {
        const QString error = DeliveredDatabase::create(args.at(1));
        if (!error.isEmpty()) {
            err << error << '\n';
            return 1;
        }
        out << "已创建：" << args.at(1) << '/' << DeliveredDatabase::fileName() << '\n';
        return 0;
    }
    if (command == QStringLiteral("check-db")) {
        const QStringList problems = DeliveredDatabase::check(args.at(1));
        if (problems.isEmpty()) {
            out << "数据库完好：" << args.at(1) << '\n';
            return 0;
        }
        for (const QString &problem : problems)
            err << problem << '\n';
        return 1;
    }
    return usage(err);
}
