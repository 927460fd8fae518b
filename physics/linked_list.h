// The program's list of bodies: a singly linked list whose head node holds an
// element of its own, reached by getData and never by number. The added nodes
// carry a number by which the scene finds bodies, and live for the whole run.
#pragma once

template <class T>
class LinkedList {
public:
    LinkedList() = default;

    // Appends a node holding data under the number nr (numbers may repeat).
    void add(T element, int number) {
        auto* node = new LinkedList<T>;
        node->data = element;
        node->nr = number;
        if (LinkedList<T>* last = getLast()) last->next = node;
        else next = node;
    }
    // The first node after the head with this number, or null; the head
    // itself is never looked at.
    LinkedList<T>* find(int number) {
        for (LinkedList<T>* n = next; n; n = n->next)
            if (n->nr == number) return n;
        return nullptr;
    }
    // The last node after the head, or null when the head stands alone.
    LinkedList<T>* getLast() {
        LinkedList<T>* n = next;
        while (n && n->next) n = n->next;
        return n;
    }

    int getNR() const { return nr; }
    void setNR(int number) { nr = number; }
    T getData() const { return data; }
    void setData(T element) { data = element; }
    LinkedList<T>* getNext() const { return next; }
    void setNext(LinkedList<T>* node) { next = node; }

    T data{};
    int nr = 0;
    LinkedList<T>* next = nullptr;
};
