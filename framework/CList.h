#pragma once
// CList: a doubly linked list walked with POSITION values, as Win32 code walks lists;
// CStringList holds texts. Range-for works too.
#include "framework/CString.h"
#include <iterator>

struct __POSITION;
typedef __POSITION* POSITION;

template <typename T> class CList
{
    struct Node
    {
        Node* prev;
        Node* next;
        T value;
    };

public:
    CList() = default;
    CList(const CList& other) { AddTail(other); }
    CList& operator=(const CList& other)
    {
        if (this != &other)
        {
            RemoveAll();
            AddTail(other);
        }
        return *this;
    }
    ~CList() { RemoveAll(); }

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    POSITION AddTail(const T& value) { return Link(new Node{m_tail, nullptr, value}); }
    void AddTail(const CList& other)
    {
        for (Node* n = other.m_head; n; n = n->next)
            AddTail(n->value);
    }
    POSITION AddHead(const T& value)
    {
        Node* node = new Node{nullptr, m_head, value};
        (m_head ? m_head->prev : m_tail) = node;
        m_head = node;
        ++m_count;
        return ToPos(node);
    }

    T& GetHead() { return m_head->value; }
    const T& GetHead() const { return m_head->value; }
    T& GetTail() { return m_tail->value; }
    const T& GetTail() const { return m_tail->value; }

    T RemoveHead()
    {
        T value = m_head->value;
        RemoveAt(ToPos(m_head));
        return value;
    }
    T RemoveTail()
    {
        T value = m_tail->value;
        RemoveAt(ToPos(m_tail));
        return value;
    }
    void RemoveAt(POSITION pos)
    {
        Node* node = ToNode(pos);
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        delete node;
        --m_count;
    }
    void RemoveAll()
    {
        while (m_head)
        {
            Node* next = m_head->next;
            delete m_head;
            m_head = next;
        }
        m_tail = nullptr;
        m_count = 0;
    }

    POSITION GetHeadPosition() const { return ToPos(m_head); }
    POSITION GetTailPosition() const { return ToPos(m_tail); }
    T& GetNext(POSITION& pos)
    {
        Node* node = ToNode(pos);
        pos = ToPos(node->next);
        return node->value;
    }
    const T& GetNext(POSITION& pos) const
    {
        Node* node = ToNode(pos);
        pos = ToPos(node->next);
        return node->value;
    }
    T& GetAt(POSITION pos) { return ToNode(pos)->value; }
    const T& GetAt(POSITION pos) const { return ToNode(pos)->value; }
    POSITION FindIndex(int index) const
    {
        Node* n = m_head;
        for (; n && index > 0; --index)
            n = n->next;
        return index < 0 ? nullptr : ToPos(n);
    }

    bool operator==(const CList& other) const
    {
        if (m_count != other.m_count)
            return false;
        for (Node *a = m_head, *b = other.m_head; a; a = a->next, b = b->next)
            if (!(a->value == b->value))
                return false;
        return true;
    }

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;
        explicit const_iterator(const Node* n) : m_node(n) {}
        const T& operator*() const { return m_node->value; }
        const_iterator& operator++()
        {
            m_node = m_node->next;
            return *this;
        }
        bool operator!=(const const_iterator& o) const { return m_node != o.m_node; }
        bool operator==(const const_iterator& o) const { return m_node == o.m_node; }

    private:
        const Node* m_node;
    };
    const_iterator begin() const { return const_iterator(m_head); }
    const_iterator end() const { return const_iterator(nullptr); }

private:
    static POSITION ToPos(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* ToNode(POSITION pos) { return reinterpret_cast<Node*>(pos); }
    POSITION Link(Node* node)
    {
        (m_tail ? m_tail->next : m_head) = node;
        m_tail = node;
        ++m_count;
        return ToPos(node);
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};

using CStringList = CList<CString>;
