<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CorvadQt5::PasswordDialog</name>
    <message>
        <source>Password request</source>
        <translation>طلب كلمة المرور</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>تأكيد كلمة المرور</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::LoginDialog</name>
    <message>
        <source>Autentification</source>
        <translation>الاستيثاق</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::ElementSelectDialog</name>
    <message>
        <source>Choose element</source>
        <translation>اختر عنصرًا</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>User</source>
        <translation>مستخدم</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>مجموعة</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>آخر</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Any user or group</source>
        <translation>أي مستخدم أو مجموعة</translation>
    </message>
    <message>
        <source>other</source>
        <translation>آخر</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::PasswordAids</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>مفتاح الأحرف الكبيرة (Caps Lock) مفعّل</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>إظهار كلمة المرور</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>إخفاء كلمة المرور</translation>
    </message>
</context>
</TS>
