// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace CorvadQt5 {

// What a user types into a password field, kept apart from the field: the field holds one
// placeholder, a private-use character, for each character typed, and this store the
// character itself, in memory locked against swapping where the system allows, left out of
// core dumps and overwritten before it is given back. Whatever Qt copies of the field's text
// (undo records, removed selections, accessibility events, the input method's surrounding
// text) copies placeholders.
class SecretStore
{
public:
    SecretStore();
    ~SecretStore();
    SecretStore(const SecretStore &) = delete;
    SecretStore &operator=(const SecretStore &) = delete;

    // One placeholder per character of \a typed (a surrogate pair is one character), each
    // character kept in a slot of its own. Slots whose placeholder is no longer in \a shown,
    // the field's text, are taken back when no other is free; a character that finds no slot
    // even then is left out.
    QString keep(QStringView typed, QStringView shown);
    // \a shown with each placeholder replaced by the character it stands for, in a buffer
    // of its own; every other character stays as it is (text the program set).
    QString reveal(QStringView shown) const;
    // The character \a placeholder stands for, as a view into the store that lasts until the
    // store next changes; empty where it stands for none.
    QStringView standsFor(QChar placeholder) const;
    // Whether \a a and \a b stand for the same text, compared without revealing either.
    static bool same(const SecretStore &storeA, QStringView a, const SecretStore &storeB,
                     QStringView b);
    // Overwrites every slot and frees them all.
    void wipe();

    // Stands for a character still being composed by an input method: not a slot.
    static constexpr char16_t Composing = 0xF8FF;

private:
    class Reader;
    static constexpr char16_t First = 0xE000;
    static constexpr int Slots = Composing - First;

    struct Slot
    {
        char16_t units[2];
        quint8 length; // 0: free
    };

    // The slot \a placeholder stands for, or null where it stands for none.
    const Slot *slotOf(char16_t placeholder) const;
    int take(QStringView shown);
    void reclaim(QStringView shown);

    Slot *m_slots = nullptr; // Slots of them, in memory of their own
    bool m_mapped = false; // else from the heap
    int m_unused = 0; // slots from here on were never taken
    int m_hint = 0; // where to look for a free slot first
};

} // namespace CorvadQt5
