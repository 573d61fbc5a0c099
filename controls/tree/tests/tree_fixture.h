#pragma once

#include "controls/tree/ctlTree.h"
#include "controls/tree/ctlTreeIds.h"
#include "controls/tree/tree_nodes.h"
#include "runtime/error.h"
#include "runtime/testing/error_of.h"

#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// A shown tree control on a host window that records every event it raises; `onEvent` answers them
// the way a host's handler would, writing into the arguments.
class TreeFixture : public ::testing::Test {
protected:
    struct Raised {
        int id;
        rt::Args args;
    };

    TreeFixture() {
        host.resize(300, 400);
        tree->setGeometry(0, 0, 300, 400);
        QObject::connect(tree, &rt::Control::raised, tree, [this](int id, rt::Args& args) {
            if (onEvent) onEvent(id, args);
            events.push_back({id, args});
        });
        host.show();
    }

    rt::Value call(rt::DispId id, rt::Args args = {}) { return rt::call(*tree, id, args); }
    rt::Value get(rt::DispId id) { return rt::get(*tree, id); }

    // Roots "K1" (children "K11", "K12") and "K2", as the editor fills them.
    void buildLessons() {
        call(ctlTreeId::AddPrimaryNode, {"K1", "Unit 1"});
        call(ctlTreeId::AddNode, {"K1", "K11", "Lesson 1"});
        call(ctlTreeId::AddNode, {"K1", "K12", "Lesson 2"});
        call(ctlTreeId::AddPrimaryNode, {"K2", "Unit 2"});
        view()->expandAll();
        events.clear();
    }

    QTreeWidget* view() const { return tree->findChild<QTreeWidget*>("tree"); }
    TreeNode* node(const QString& key) const {
        return &static_cast<TreeNodes*>(rt::get(*tree, ctlTreeId::TNodes).toObject())->find(key);
    }
    // The middle of a node's row, and a point below every row, in twips.
    std::pair<double, double> pointOf(const QString& key) const {
        const QPoint c = view()->visualItemRect(&node(key)->item()).center();
        return {c.x() * 15.0, c.y() * 15.0};
    }
    static QString keyOf(const rt::Value& node) {
        rt::Dispatch* d = node.toObject();
        return d ? rt::get(*d, d->idOfName(u"Key")).toString() : QStringLiteral("(none)");
    }
    rt::Args press(double x, double y, qint16 button = 1, qint16 shift = 0) {
        rt::Args args{rt::Value::integer(button), rt::Value::integer(shift), rt::Value::real(x),
                      rt::Value::real(y)};
        rt::call(*tree, ctlTreeId::tree_MouseDown, args);
        return args;
    }
    std::vector<int> ids() const {
        std::vector<int> r;
        for (const Raised& e : events) r.push_back(e.id);
        return r;
    }

    QWidget host;
    ctlTree* tree = static_cast<ctlTree*>(createCtlTree(&host));
    std::vector<Raised> events;
    std::function<void(int, rt::Args&)> onEvent;
};
