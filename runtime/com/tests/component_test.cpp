#include "runtime/com/component_registry.h"
#include "runtime/com/component_server.h"
#include "runtime/com/control.h"
#include "runtime/error.h"
#include "runtime/testing/memory_settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Blank : public rt::Control {
public:
    using rt::Control::Control;
    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args&) override {
        checkMember(id, kind);
        return {};
    }
    std::span<const rt::Member> members() const override { return {}; }
    void initProperties() override {}
    void readProperties(rt::PropertyBag&) override {}
    void writeProperties(rt::PropertyBag&) override {}
};

rt::Control* makeBlank(QWidget* parent) {
    return new Blank(parent);
}

const QUuid cellId = QUuid::fromString(u"{11111111-2222-3333-4444-555555555555}");
const QUuid otherId = QUuid::fromString(u"{66666666-7777-8888-9999-AAAAAAAAAAAA}");
const QUuid libId = QUuid::fromString(u"{ABCDEF01-2222-3333-4444-555555555555}");

struct Server : testing::Test {
    rt::MemorySettings settings;
    rt::ComponentServer server{{"CVCell.WeekViewCell", cellId, "1.01", &makeBlank, {libId, "1.0", "CVCell"}}};
    QString get(const QString& section, const QString& key) {
        return settings.get("Components", section, key);
    }
};

TEST_F(Server, RegistrationWritesTheRowsAndRemovesOnlyItsOwn) {
    ASSERT_EQ(server.registerServer(settings, "/lib/CVCell.ocx"), rt::S_OK);
    const QString section = "CLSID\\{11111111-2222-3333-4444-555555555555}";
    EXPECT_EQ(get("CVCell.WeekViewCell", "CLSID"), "{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(get(section, "ProgID"), "CVCell.WeekViewCell");
    EXPECT_EQ(get(section, "InprocServer32"), "/lib/CVCell.ocx");
    EXPECT_EQ(get(section, "Version"), "1.01");
    EXPECT_EQ(get(section, "TypeLib"), "{ABCDEF01-2222-3333-4444-555555555555}");
    const QString typeLib = "TypeLib\\{ABCDEF01-2222-3333-4444-555555555555}";
    EXPECT_EQ(get(typeLib, "1.0"), "CVCell");
    EXPECT_EQ(get(typeLib + "\\1.0", "FLAGS"), "2");
    EXPECT_EQ(get(typeLib + "\\1.0", "HELPDIR"), "/lib");
    EXPECT_EQ(get(typeLib + "\\1.0\\0", "win32"), "/lib/CVCell.ocx");

    // Another copy of the library at another path registered the class since: its rows stay.
    ASSERT_EQ(server.registerServer(settings, "/other/CVCell.ocx"), rt::S_OK);
    EXPECT_EQ(server.unregisterServer(settings, "/lib/CVCell.ocx"), rt::S_OK);
    EXPECT_EQ(get(section, "InprocServer32"), "/other/CVCell.ocx");
    EXPECT_EQ(get(typeLib + "\\1.0\\0", "win32"), "/other/CVCell.ocx");
    EXPECT_EQ(get(section, "TypeLib"), "{ABCDEF01-2222-3333-4444-555555555555}");

    EXPECT_EQ(server.unregisterServer(settings, "/other/CVCell.ocx"), rt::S_OK);
    for (const char* key : {"ProgID", "InprocServer32", "Version", "TypeLib"})
        EXPECT_EQ(get(section, key), "");
    EXPECT_EQ(get("CVCell.WeekViewCell", "CLSID"), "");
    EXPECT_EQ(get(typeLib, "1.0"), "");
    for (const char* key : {"FLAGS", "HELPDIR"}) EXPECT_EQ(get(typeLib + "\\1.0", key), "");
    EXPECT_EQ(get(typeLib + "\\1.0\\0", "win32"), "");
}

TEST_F(Server, AStoreThatCannotBeWrittenFailsTheRegistration) {
    settings.failWrites = true;
    EXPECT_EQ(server.registerServer(settings, "/lib/CVCell.ocx"), rt::SELFREG_E_CLASS);
    settings.failWrites = false;
    ASSERT_EQ(server.registerServer(settings, "/lib/CVCell.ocx"), rt::S_OK);
    settings.failWrites = true;
    EXPECT_EQ(server.unregisterServer(settings, "/lib/CVCell.ocx"), rt::SELFREG_E_CLASS);
}

TEST_F(Server, FactoryByClassIdAndLivingControls) {
    void* factory = reinterpret_cast<void*>(1);
    EXPECT_EQ(server.getClassObject(otherId, &factory), rt::CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(server.getClassObject(cellId, nullptr), rt::E_POINTER);
    ASSERT_EQ(server.getClassObject(cellId, &factory), rt::S_OK);

    auto* classFactory = static_cast<rt::ClassFactory*>(factory);
    EXPECT_EQ(server.canUnloadNow(), rt::S_OK);
    QWidget form;
    rt::Control* a = classFactory->createInstance(&form);
    rt::Control* b = classFactory->createInstance(&form);
    EXPECT_EQ(a->parentWidget(), &form);
    EXPECT_EQ(server.canUnloadNow(), rt::S_FALSE);
    delete a;
    EXPECT_EQ(server.canUnloadNow(), rt::S_FALSE);
    delete b;
    EXPECT_EQ(server.canUnloadNow(), rt::S_OK);
    classFactory->lockServer(true);
    EXPECT_EQ(server.canUnloadNow(), rt::S_FALSE);
    classFactory->lockServer(false);
    classFactory->lockServer(false); // an unbalanced unlock takes no lock away from a later caller
    classFactory->lockServer(true);
    EXPECT_EQ(server.canUnloadNow(), rt::S_FALSE);
}

int creationError(rt::ComponentRegistry& registry, const QString& progId, QString* description = nullptr) {
    try {
        delete registry.create(progId, nullptr);
    } catch (const rt::RuntimeError& e) {
        if (description) *description = e.description;
        return e.number;
    }
    return 0;
}

TEST(ComponentRegistry, CreationFailuresAre429) {
    rt::MemorySettings settings;
    rt::ComponentRegistry registry(settings);
    QString description;
    EXPECT_EQ(creationError(registry, "CVCell.WeekViewCell", &description), 429);
    EXPECT_EQ(description,
              "ActiveX component can't create object: \"CVCell.WeekViewCell\" is not registered");
    EXPECT_EQ(creationError(registry, ""), 429);

    // A class id with no library, a library that is not there, a file that is no library.
    settings.set("Components", "A.B", "CLSID", cellId.toString());
    EXPECT_EQ(creationError(registry, "A.B"), 429);
    QTemporaryDir dir;
    registry.enter("A.B", cellId, dir.filePath("missing.ocx"), "1.01");
    EXPECT_EQ(creationError(registry, "A.B"), 429);
    registry.enter("A.B", cellId, LK_SOURCE_DIR "/CMakeLists.txt", "1.01");
    EXPECT_EQ(creationError(registry, "A.B", &description), 429);
    EXPECT_TRUE(description.startsWith("ActiveX component can't create object: "))
        << description.toStdString();
    // A backslash would reach into the class rows.
    EXPECT_EQ(creationError(registry, "CLSID\\{11111111-2222-3333-4444-555555555555}"), 429);
}

} // namespace
