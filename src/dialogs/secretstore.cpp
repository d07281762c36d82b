// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "secretstore.h"

#include <cstdlib>
#include <string.h>
#include <sys/mman.h>
#include <vector>

namespace CorvadQt5 {

// The characters a text stands for, one UTF-16 unit at a time.
class SecretStore::Reader
{
public:
    Reader(const SecretStore &store, QStringView shown) : m_store(store), m_shown(shown) {}

    // False at the end.
    bool next(char16_t *unit)
    {
        while (m_at < m_shown.size()) {
            const char16_t c = m_shown[m_at].unicode();
            const Slot *slot = m_store.slotOf(c);
            if (!slot) {
                ++m_at;
                *unit = c;
                return true;
            }
            if (m_unit < slot->length) {
                *unit = slot->units[m_unit++];
                return true;
            }
            m_unit = 0;
            ++m_at;
        }
        return false;
    }

private:
    const SecretStore &m_store;
    QStringView m_shown;
    qsizetype m_at = 0;
    int m_unit = 0;
};

SecretStore::SecretStore()
{
    void *memory = mmap(nullptr, sizeof(Slot) * Slots, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        m_slots = static_cast<Slot *>(calloc(Slots, sizeof(Slot)));
        return;
    }
    m_mapped = true;
    // Both may be refused (a limit on locked memory): the store still works, and is wiped.
    mlock(memory, sizeof(Slot) * Slots);
    madvise(memory, sizeof(Slot) * Slots, MADV_DONTDUMP);
    m_slots = static_cast<Slot *>(memory);
}

SecretStore::~SecretStore()
{
    wipe();
    if (m_mapped)
        munmap(m_slots, sizeof(Slot) * Slots);
    else
        free(m_slots);
}

const SecretStore::Slot *SecretStore::slotOf(char16_t placeholder) const
{
    if (placeholder < First || placeholder >= First + Slots)
        return nullptr;
    const Slot *slot = m_slots + (placeholder - First);
    return slot->length ? slot : nullptr;
}

QStringView SecretStore::standsFor(QChar placeholder) const
{
    const Slot *slot = slotOf(placeholder.unicode());
    return slot ? QStringView(slot->units, slot->length) : QStringView();
}

QString SecretStore::keep(QStringView typed, QStringView shown)
{
    QString placeholders;
    if (!m_slots)
        return placeholders;
    placeholders.reserve(QString::size_type(typed.size()));
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const bool pair = typed[i].isHighSurrogate() && i + 1 < typed.size()
                          && typed[i + 1].isLowSurrogate();
        const int slot = take(shown);
        if (slot >= 0) {
            m_slots[slot].units[0] = typed[i].unicode();
            m_slots[slot].units[1] = pair ? typed[i + 1].unicode() : 0;
            m_slots[slot].length = pair ? 2 : 1;
            placeholders.append(QChar(char16_t(First + slot)));
        }
        i += pair ? 1 : 0;
    }
    return placeholders;
}

QString SecretStore::reveal(QStringView shown) const
{
    QString::size_type size = 0;
    char16_t unit = 0;
    for (Reader reader(*this, shown); reader.next(&unit);)
        ++size;
    QString text(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (Reader reader(*this, shown); reader.next(out);)
        ++out;
    return text;
}

bool SecretStore::same(const SecretStore &storeA, QStringView a, const SecretStore &storeB,
                       QStringView b)
{
    Reader readerA(storeA, a), readerB(storeB, b);
    char16_t unitA = 0, unitB = 0;
    for (;;) {
        const bool moreA = readerA.next(&unitA), moreB = readerB.next(&unitB);
        if (moreA != moreB || unitA != unitB)
            return false;
        if (!moreA)
            return true;
    }
}

void SecretStore::wipe()
{
    if (m_slots)
        explicit_bzero(m_slots, sizeof(Slot) * Slots);
    m_unused = m_hint = 0;
}

int SecretStore::take(QStringView shown)
{
    if (m_unused < Slots)
        return m_unused++;
    for (int pass = 0; pass < 2; ++pass) {
        for (int n = 0; n < Slots; ++n) {
            const int slot = (m_hint + n) % Slots;
            if (!m_slots[slot].length) {
                m_hint = slot + 1;
                return slot;
            }
        }
        if (pass == 0)
            reclaim(shown);
    }
    return -1;
}

void SecretStore::reclaim(QStringView shown)
{
    std::vector<bool> live(Slots);
    for (QChar c : shown) {
        if (c.unicode() >= First && c.unicode() < First + Slots)
            live[c.unicode() - First] = true;
    }
    for (int slot = 0; slot < Slots; ++slot) {
        if (!live[slot])
            explicit_bzero(m_slots + slot, sizeof(Slot));
    }
}

} // namespace CorvadQt5
