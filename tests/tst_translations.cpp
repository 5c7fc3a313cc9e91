// The two catalogues in the resources: a table of entries they must carry,
// and a scan of the sources for tr() texts without a Chinese entry.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QTranslator zh;
    QTranslator en;

    struct Use {
        QString file;
        int line;
        QString context;
        QString source;
        QString disambiguation;
    };

    static QString unescape(const QString &literal)
    {
        QString out;
        for (int i = 0; i < literal.size(); ++i) {
            QChar c = literal.at(i);
            if (c == QLatin1Char('\\') && i + 1 < literal.size()) {
                const QChar next = literal.at(++i);
                c = next == QLatin1Char('n') ? QChar('\n') : next == QLatin1Char('t') ? QChar('\t') : next;
            }
            out += c;
        }
        return out;
    }

    // Finds the translated texts of one source file. Deliberately simple:
    // - tr("..."), Class::tr("...") and translate("ctx", "...") with plain
    //   string literals (one literal; no concatenation, no macros, no
    //   QT_TR_NOOP, no variables);
    // - the context of a bare tr() is the class of the closest preceding
    //   out-of-line definition "Class::method(" that starts a line, so tr()
    //   in headers or inside a class body is not seen;
    // - commented-out calls are scanned like live ones.
    static QList<Use> scan(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly | QIODevice::Text);
        const QString text = QString::fromUtf8(file.readAll());

        static const QRegularExpression definition(
            QStringLiteral("^(?:[A-Za-z_][\\w<>,:\\*& ]*[\\s\\*&])?(\\w+)::~?\\w+\\s*\\("),
            QRegularExpression::MultilineOption);
        static const QString literal = QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\"");
        static const QRegularExpression call(
            QStringLiteral("(?:(\\w+)::)?\\btr\\s*\\(\\s*") + literal
            + QStringLiteral("(?:\\s*,\\s*") + literal + QStringLiteral(")?")
            + QStringLiteral("|\\btranslate\\s*\\(\\s*") + literal + QStringLiteral("\\s*,\\s*")
            + literal + QStringLiteral("(?:\\s*,\\s*") + literal + QStringLiteral(")?"));

        QList<QPair<int, QString>> contexts;
        for (auto it = definition.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            contexts.append({int(m.capturedStart()), m.captured(1)});
        }
        QList<Use> uses;
        for (auto it = call.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            Use use;
            use.file = path;
            use.line = text.leftRef(m.capturedStart()).count(QLatin1Char('\n')) + 1;
            if (m.capturedStart(4) >= 0) {
                use.context = m.captured(4);
                use.source = unescape(m.captured(5));
                use.disambiguation = unescape(m.captured(6));
            } else {
                use.context = m.captured(1);
                if (use.context.isEmpty()) {
                    for (const auto &c : contexts) {
                        if (c.first < m.capturedStart())
                            use.context = c.second;
                    }
                }
                use.source = unescape(m.captured(2));
                use.disambiguation = unescape(m.captured(3));
            }
            if (!use.context.isEmpty() && !use.source.isEmpty())
                uses.append(use);
        }
        return uses;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(zh.load(":/image/tr_zh.qm"));
        QVERIFY(en.load(":/image/tr_en.qm"));
    }

    void catalogueEntries_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");   // empty: no English entry
        const QString newQuestion = "The current configuration will be closed before creating a new project. . Please confirm whether to continue?";
        const QList<QStringList> rows = {
            {"FormConfiguration", "New", "新建", ""},
            {"FormConfiguration", "Open", "打开", ""},
            {"FormConfiguration", "Save", "保存", ""},
            {"FormConfiguration", "English", "英文", ""},
            {"FormConfiguration", "Chinese", "简体中文", ""},
            {"FormConfiguration", "Generate code", "生成代码", ""},
            {"FormConfiguration", "Open Manual", "打开手册", ""},
            {"FormConfiguration", "New version download", "新版本下载", ""},
            {"FormConfiguration", "Version", "版本", ""},
            {"FormConfiguration", "Project", "项目", ""},
            {"FormConfiguration", "Language", "语言", ""},
            {"FormConfiguration", "Help", "帮助", ""},
            {"FormConfiguration", "Clock Configuration", "时钟配置", ""},
            {"FormConfiguration", "Code View", "代码预览", ""},
            {"FormConfiguration", "---", "---", ""},
            {"FormConfiguration", "Warning", "警告", ""},
            {"FormConfiguration", "Error", "错误", ""},
            {"FormConfiguration", "Currently no configuration.", "当前无配置。", ""},
            {"FormConfiguration", newQuestion, "新建项目之前将关闭当前配置，是否继续？",
             "The current configuration will be closed before creating a new project. Please confirm whether to continue?"},
            {"FormConfiguration", "The current configuration will be closed. Please confirm whether to continue?",
             "将关闭当前配置，是否继续？", ""},
            {"FormConfiguration", "Yes", "确定", ""},
            {"FormConfiguration", "Cancel", "取消", ""},
            {"FormConfiguration", "Ok", "确定", ""},
            {"FormConfiguration", "Config file (*.ZKCF)", "Config file (*.ZKCF)", ""},
            {"FormConfiguration", "Can't open manual!", "无法打开使用手册！", "Can't open user manual!"},
            {"MCUSelect_Form", "MCU Select", "选择MCU", ""},
            {"MCUSelect_Form", "Product Line:", "产品线：", ""},
            {"MCUSelect_Form", "Mainstream", "主流型", ""},
            {"MCUSelect_Form", "Value line", "超值型", ""},
            {"MCUSelect_Form", "High performance", "高性能", ""},
            {"MCUSelect_Form", "Automotive", "车载型", ""},
            {"MCUSelect_Form", "Low Power", "低功耗", ""},
            {"MCUSelect_Form", "Wireless BLE", "无线型蓝牙", ""},
            {"MCUSelect_Form", "Motor", "电机", ""},
            {"MCUSelect_Form", "Device Serials:", "MCU系列：", ""},
            {"MCUSelect_Form", "OK", "确定", ""},
            {"MCUSelect_Form", "Cancel", "取消", ""},
            {"VersionAbout", "About", "关于", "About"},
        };
        for (const QStringList &row : rows)
            QTest::newRow(qPrintable(row[0] + ": " + row[1].left(40))) << row[0] << row[1] << row[2] << row[3];
    }

    void catalogueEntries()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        const QByteArray ctx = context.toUtf8();
        const QByteArray src = source.toUtf8();
        QCOMPARE(zh.translate(ctx, src), chinese);
        QCOMPARE(en.translate(ctx, src), english);
    }

    void seriesNamesAreNotTranslated()
    {
        for (const char *name : {"KytoR610", "KytoR620A", "KytoD525", "KytoNS720"}) {
            QVERIFY(zh.translate("MCUSelect_Form", name).isEmpty());
            QVERIFY(zh.translate("FormConfiguration", name).isEmpty());
        }
    }

    // Every tr() text of the program's sources has a Chinese entry in its
    // class's context.
    void everySourceTextHasChineseEntry()
    {
        QStringList missing;
        int found = 0;
        for (const char *folder : {"app", "clockview", "series", "model"}) {
            QDirIterator it(QStringLiteral(KYTO_SOURCE_DIR "/") + QLatin1String(folder),
                            {"*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                for (const Use &use : scan(it.next())) {
                    ++found;
                    const QByteArray disambiguation = use.disambiguation.toUtf8();
                    if (zh.translate(use.context.toUtf8(), use.source.toUtf8(),
                                     disambiguation.isEmpty() ? nullptr : disambiguation.constData()).isEmpty())
                        missing << QString("%1:%2 %3 \"%4\"").arg(QDir(KYTO_SOURCE_DIR).relativeFilePath(use.file))
                                       .arg(use.line).arg(use.context, use.source);
                }
            }
        }
        QVERIFY(found > 0);
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable("no Chinese entry for:\n" + missing.join('\n')));
    }

    // The scanner itself, on a small text: contexts, the forms it knows.
    void scannerFindsContexts()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("Sample.cpp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("void Alpha::first()\n{\n    box(tr(\"One\"));\n}\n"
                   "QString Beta::second(int x) const\n{\n    return tr(\"Two \\\"quoted\\\"\") + str(\"no\");\n}\n"
                   "static void helper() { QObject::tr(\"Three\"); QCoreApplication::translate(\"Gamma\", \"Four\"); }\n");
        file.close();
        QStringList seen;
        for (const Use &use : scan(file.fileName()))
            seen << use.context + "/" + use.source;
        QCOMPARE(seen, (QStringList{"Alpha/One", "Beta/Two \"quoted\"", "QObject/Three", "Gamma/Four"}));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
