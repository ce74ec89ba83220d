// The frame's list of draw commands, a max-heap on depth: the deepest command comes out first.
#pragma once

#include <cstddef>
#include <vector>

class AzDrawCommand;

class AzDrawQueue {
public:
    AzDrawQueue() = default;
    AzDrawQueue(const AzDrawQueue&) = delete;
    AzDrawQueue& operator=(const AzDrawQueue&) = delete;
    // Deletes the commands still queued.
    ~AzDrawQueue();

    // Takes ownership of a command made with new; null is ignored.
    void push(AzDrawCommand* command);
    bool empty() const { return mHeap.empty(); }
    size_t size() const { return mHeap.size(); }
    // The command of greatest depth, still owned by the queue; null when empty.
    AzDrawCommand* top() const;
    // Removes the top command without deleting it: whoever took it with top() owns it now.
    void pop();

    // Executes every queued command from the greatest depth to the smallest and deletes
    // each after it drew. Commands of equal depth come out in whatever order the heap
    // gives, not the order they were pushed.
    void DrainAndExecute();
    // Deletes every queued command without drawing.
    void Clear();

private:
    std::vector<AzDrawCommand*> mHeap;
};

// The one queue the screens push to and the shell drains each frame.
extern AzDrawQueue gDrawQueue;
