// The two catalogues in the resources: a table of entries they must carry,
// and every text lupdate finds in the sources with its Chinese entry.
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QTranslator zh;
    QTranslator en;

    struct Message {
        QString context;
        QString source;
        QString comment;
    };

    // The messages of a .ts file, obsolete and vanished ones left out.
    static QList<Message> readTs(const QString &path)
    {
        QList<Message> messages;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return messages;
        QXmlStreamReader xml(&file);
        QString context;
        Message current;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("context")) {
                context.clear();
            } else if (xml.name() == QLatin1String("name") && context.isEmpty()) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                current = Message{context, QString(), QString()};
            } else if (xml.name() == QLatin1String("source")) {
                current.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("comment")) {
                current.comment = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QStringRef type = xml.attributes().value(QLatin1String("type"));
                if (type != QLatin1String("obsolete") && type != QLatin1String("vanished"))
                    messages << current;
            }
        }
        return messages;
    }

    static QStringList contextsOf(const QString &path)
    {
        QStringList contexts;
        for (const Message &m : readTs(path))
            contexts << m.context;
        contexts.removeDuplicates();
        return contexts;
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

    // lupdate finds every marked text of the sources, including those a
    // family or the page kit marks once and its page classes translate in
    // their own context (the classes listed beside the family's catalogue).
    // Each needs a Chinese entry in every context it is looked up in.
    void everySourceTextHasChineseEntry()
    {
        QTemporaryDir dir;
        const QString found = dir.filePath(QStringLiteral("found.ts"));
        QProcess lupdate;
        QStringList args{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none")};
        for (const char *folder : {"app", "clockview", "series", "model"})
            args << QStringLiteral(KYTO_SOURCE_DIR "/") + QLatin1String(folder);
        args << QStringLiteral("-ts") << found;
        lupdate.start(QStringLiteral(KYTO_LUPDATE), args);
        QVERIFY2(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        // Where the texts of a family's (and the kit's) contexts are looked up.
        const QDir catalogue(QStringLiteral(KYTO_SOURCE_DIR "/image/translations/tr_zh"));
        QHash<QString, QStringList> lookups;
        for (const QString &classesFile : catalogue.entryList({QStringLiteral("series_*.classes")})) {
            QFile file(catalogue.filePath(classesFile));
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            QStringList classes;
            for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
                if (!line.trimmed().isEmpty() && !line.trimmed().startsWith(QLatin1Char('#')))
                    classes << line.trimmed();
            }
            const QString family = QFileInfo(classesFile).completeBaseName();
            for (const QString &context : contextsOf(catalogue.filePath(QStringLiteral("series_common.ts")))
                                              + contextsOf(catalogue.filePath(family + QStringLiteral(".ts"))))
                lookups[context] << classes;
        }
        QVERIFY(lookups.contains(QStringLiteral("SeriesPage")));

        const QList<Message> messages = readTs(found);
        QVERIFY(messages.size() > 100);
        QStringList missing;
        for (const Message &m : messages) {
            const QStringList contexts = lookups.value(m.context, QStringList{m.context});
            const QByteArray comment = m.comment.toUtf8();
            for (const QString &context : contexts) {
                if (zh.translate(context.toUtf8(), m.source.toUtf8(), comment.isEmpty() ? nullptr : comment.constData()).isEmpty())
                    missing << QStringLiteral("%1 \"%2\"").arg(context, m.source);
            }
        }
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable("no Chinese entry for:\n" + missing.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
