# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""The Python bindings as a PyQt or PySide program uses them, in one process per binding.

ctest runs this with CORVADQT5_BINDING naming the binding (binding.py), the build's python/
folder on PYTHONPATH, nss_wrapper's account fixture in place of the system's, and offscreen
windows.
CORVADQT5_TEST_PLUGIN names a plugin built against the library the bindings load.
"""
import gc
import grp
import os
import pwd
import unittest

from binding import QtCore, QtWidgets, cc, isdeleted, ispyowned

Common = cc.Common

app = QtWidgets.QApplication.instance() or QtWidgets.QApplication([])


def when_shown(action):
    """Runs action on the modal dialog once it is up, from the event loop it runs."""
    def attempt():
        dialog = QtWidgets.QApplication.activeModalWidget()
        if dialog is None:
            QtCore.QTimer.singleShot(10, attempt)
        else:
            action(dialog)
    QtCore.QTimer.singleShot(0, attempt)


def child(dialog, cls, name):
    return dialog.findChild(cls, name)


def type_and_accept(text):
    def action(dialog):
        for name in ("password", "confirmation", "login"):
            edit = child(dialog, QtWidgets.QLineEdit, name)
            if edit is not None:
                edit.setText(text)
        child(dialog, QtWidgets.QPushButton, "accept").click()
    return action


def cancel(dialog):
    child(dialog, QtWidgets.QPushButton, "cancel").click()


def readable(name):
    # pwd gives an undecodable name with surrogates, the library its own decoding of it.
    return name.isprintable()


class Lookups(unittest.TestCase):
    def test_every_fixture_account_as_pwd_and_grp_give_it(self):
        users = [entry for entry in pwd.getpwall() if readable(entry.pw_name)]
        groups = [entry for entry in grp.getgrall() if readable(entry.gr_name)]
        self.assertGreater(len(users), 10)  # the fixture, not the machine's few
        for entry in users:
            uid = entry.pw_uid & 0xFFFFFFFF  # pwd gives the id 4294967295 as -1
            with self.subTest(user=entry.pw_name):
                keyed = pwd.getpwuid(entry.pw_uid)
                self.assertEqual(Common.nameByUid(uid), (keyed.pw_name, True))
                self.assertEqual(Common.homeDirByUid(uid), keyed.pw_dir)
                self.assertEqual(Common.uidByName(entry.pw_name),
                                 (pwd.getpwnam(entry.pw_name).pw_uid & 0xFFFFFFFF, True))
        for entry in groups:
            gid = entry.gr_gid & 0xFFFFFFFF
            with self.subTest(group=entry.gr_name):
                self.assertEqual(Common.nameByGid(gid), (grp.getgrgid(entry.gr_gid).gr_name, True))
                self.assertEqual(Common.gidByName(entry.gr_name),
                                 (grp.getgrnam(entry.gr_name).gr_gid & 0xFFFFFFFF, True))

    def test_misses(self):
        self.assertEqual(Common.nameByUid(4242), ("", False))
        self.assertEqual(Common.nameByGid(4242), ("", False))
        self.assertEqual(Common.uidByName("nobody-here"), (Common.NotFound, False))
        self.assertEqual(Common.gidByName(""), (Common.NotFound, False))
        self.assertEqual(Common.homeDirByUid(4242), "")
        for call in (Common.nameByUid, Common.homeDirByUid):
            with self.subTest(call=call.__name__):
                self.assertRaises(OverflowError, call, -1)
                self.assertRaises(OverflowError, call, 2 ** 32)


class Dialogs(unittest.TestCase):
    def test_password(self):
        for confirmation in (False, True):
            with self.subTest(confirmation=confirmation):
                when_shown(type_and_accept("s3cret"))
                self.assertEqual(cc.PasswordDialog.getPassword(None, "Key", confirmation),
                                 "s3cret")
                when_shown(cancel)
                self.assertIsNone(cc.PasswordDialog.getPassword(confirmation=confirmation))

    def test_password_aids(self):
        aids = (cc.Common.PasswordAid.CapsLockWarning, cc.Common.PasswordAid.RevealPassword)
        self.assertFalse(any(cc.Common.isPasswordAidEnabled(aid) for aid in aids))
        found = {}

        def look_and_cancel(dialog):
            found["warning"] = dialog.findChild(QtWidgets.QLabel, "capsLockWarning")
            found["eye"] = [action.text() for action in
                            child(dialog, QtWidgets.QLineEdit, "password").actions()]
            cancel(dialog)

        for aid in aids:
            cc.Common.setPasswordAidEnabled(aid)
        try:
            when_shown(look_and_cancel)
            self.assertIsNone(cc.PasswordDialog.getPassword(None, "", True))
        finally:
            for aid in aids:
                cc.Common.setPasswordAidEnabled(aid, False)
        self.assertIsNotNone(found["warning"])
        self.assertEqual(found["eye"], ["Show password"])

    def test_login(self):
        dialog = cc.LoginDialog(None, "Server", "alice")
        when_shown(type_and_accept("pw"))
        self.assertEqual(dialog.exec(), QtWidgets.QDialog.DialogCode.Accepted)
        self.assertEqual((dialog.login(), dialog.password()), ("pw", "pw"))

    def test_chooser(self):
        dialog = cc.ElementSelectDialog([0], [], cc.ElementSelectDialog.Mode.UserMode)
        names = child(dialog, QtWidgets.QListWidget, "list")
        rows = [names.item(row).text() for row in range(names.count())]
        self.assertNotIn("root", rows)  # excluded by id
        row = rows.index("first")

        def choose(shown):
            names.setCurrentRow(row)
            box = child(shown, QtWidgets.QDialogButtonBox, "buttons")
            accept = QtWidgets.QDialogButtonBox.ButtonRole.AcceptRole
            next(b for b in box.buttons() if box.buttonRole(b) == accept).click()

        when_shown(choose)
        self.assertEqual(dialog.exec(), QtWidgets.QDialog.DialogCode.Accepted)
        self.assertEqual((dialog.type(), dialog.id(), dialog.name()), (1, 300, "first"))


class Popups(unittest.TestCase):
    def test_signals(self):
        owner = QtWidgets.QWidget()
        popup = cc.PopupWidget(cc.PopupWidget.Mode.CloseOnDeactivate, owner)
        popup.setWidget(QtWidgets.QLabel("inside"))
        done = []
        popup.done.connect(lambda: done.append("done"))
        popup.popup()
        popup.accept()
        self.assertEqual(done, ["done"])
        self.assertFalse(popup.isVisible())

        listed = cc.PopupListWidget(owner)
        listed.addItems(["one", "two"])
        listed.editingFinished.connect(lambda: done.append("finished"))
        listed.popup()
        QtWidgets.QApplication.sendEvent(listed, QtCore.QEvent(QtCore.QEvent.Type.Leave))
        self.assertEqual(done, ["done", "finished"])


class Icons(unittest.TestCase):
    def test_python_provider_called_from_cpp(self):
        native = cc.NativeIconProvider()
        asked = []

        class Mine(cc.IconProvider):
            def iconById(self, id):
                asked.append(id)
                return native.iconById(id)

        mine = Mine()
        merged = mine.mergedIconByIds(cc.IconId.IconUser, cc.IconId.IconPlus)
        self.assertEqual(sorted(asked), [cc.IconId.IconUser, cc.IconId.IconPlus])
        self.assertEqual(merged.pixmap(64, 64).toImage(),
                         native.mergedIconByIds(cc.IconId.IconUser, cc.IconId.IconPlus)
                         .pixmap(64, 64).toImage())
        plugin = cc.DesktopIntegrationPlugin(Mine())
        gc.collect()  # the plugin keeps its provider, which C++ does not own
        self.assertIsInstance(plugin.iconProvider(), Mine)
        self.assertFalse(plugin.iconProvider().iconById(int(cc.IconId.IconKey)).isNull())
        self.assertTrue(native.iconById(cc.IconId.IconTxt).pixmap(64, 64).isNull())


class Lifetimes(unittest.TestCase):
    def test_parent_owns_and_deletion_raises(self):
        owner = QtWidgets.QWidget()
        dialog = cc.PasswordDialog(owner)
        popup = cc.PopupWidget(cc.PopupWidget.Mode.CloseOnLeave, owner)
        popup.setWidget(QtWidgets.QLabel("inside"))
        label = popup.findChild(QtWidgets.QLabel)
        kept = [dialog, popup, label]
        del dialog, popup, label
        gc.collect()
        self.assertEqual(len(owner.findChildren(cc.PasswordDialog)), 1)
        kept[1].popup()
        owner.close()
        del owner
        gc.collect()
        for wrapper in kept:
            with self.subTest(type=type(wrapper).__name__):
                self.assertTrue(isdeleted(wrapper))
                self.assertRaises(RuntimeError, wrapper.show)

    def test_singletons_stay(self):
        for singleton in (Common.ptr, cc.PluginManager.ptr):
            with self.subTest(singleton=singleton.__qualname__):
                first = singleton()
                self.assertFalse(ispyowned(first))
                del first
                gc.collect()
                self.assertFalse(isdeleted(singleton()))
        self.assertEqual(Common.ptr().shortedString("abcdefgh", 3), "abc...")

    def test_plugin_outlives_nothing_it_needs(self):
        handle = cc.PluginHandle(os.environ["CORVADQT5_TEST_PLUGIN"])
        self.assertTrue(handle.isValid())
        self.assertEqual(handle.type(), cc.Plugin.Type.DesktopIntegrationType)
        plugin = handle.staticInstance()
        self.assertIsInstance(plugin, cc.DesktopIntegrationPlugin)
        icons = plugin.iconProvider()
        del handle, plugin
        gc.collect()  # the provider keeps its plugin and the plugin its handle, so the library
        self.assertFalse(icons.iconById(cc.IconId.IconUnknown).isNull())
        self.assertFalse(cc.PluginHandle("/nonexistent.so").isValid())
        self.assertIsNone(cc.PluginHandle("/nonexistent.so").staticInstance())


if __name__ == "__main__":
    unittest.main()
