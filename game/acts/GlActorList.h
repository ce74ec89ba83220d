// The owning screen's ordered actor list: runs every actor once a frame and destroys the finished ones.
#pragma once

#include <cstddef>
#include <vector>

class GlGameObject;

class GlActorList {
public:
    GlActorList() = default;
    GlActorList(const GlActorList&) = delete;
    GlActorList& operator=(const GlActorList&) = delete;
    ~GlActorList();

    // Takes ownership; an actor appended while the list runs is updated in the same run.
    void Append(GlGameObject* actor);
    // Updates every actor in order, then removes and destroys those whose Update answered false.
    void RunAll();
    // Destroys every actor.
    void Clear();

    std::size_t Size() const { return mActors.size(); }
    GlGameObject* At(std::size_t index) const { return mActors[index]; }
    const std::vector<GlGameObject*>& Actors() const { return mActors; }

private:
    std::vector<GlGameObject*> mActors;
};
