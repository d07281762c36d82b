<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CorvadQt5::PasswordDialog</name>
    <message>
        <source>Password request</source>
        <translation>パスワードの要求</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>パスワードの確認</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>承認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::LoginDialog</name>
    <message>
        <source>Autentification</source>
        <translation>認証</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>承認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::ElementSelectDialog</name>
    <message>
        <source>Choose element</source>
        <translation>要素の選択</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Any user or group</source>
        <translation>任意のユーザーまたはグループ</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>グループ</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::PasswordAids</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Caps Lock がオンです</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>パスワードを隠す</translation>
    </message>
</context>
</TS>
