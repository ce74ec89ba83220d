// The one rule for running actors, shared by both acts.
#include "GlActorList.h"

#include "GlGameObject.h"

#include <algorithm>

GlActorList::~GlActorList()
{
    Clear();
}

void GlActorList::Append(GlGameObject* actor)
{
    if (actor != nullptr)
        mActors.push_back(actor);
}

void GlActorList::RunAll()
{
    std::vector<GlGameObject*> finished;
    // Indexing, not iterators: an Update may append to the list and move its storage.
    for (std::size_t i = 0; i < mActors.size(); ++i) {
        if (!mActors[i]->Update())
            finished.push_back(mActors[i]);
    }
    for (GlGameObject* actor : finished) {
        mActors.erase(std::find(mActors.begin(), mActors.end(), actor));
        delete actor;
    }
}

void GlActorList::Clear()
{
    std::vector<GlGameObject*> actors;
    actors.swap(mActors);
    for (GlGameObject* actor : actors)
        delete actor;
}
