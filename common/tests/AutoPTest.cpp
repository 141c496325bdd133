#include "common/auto_p.h"
#include <gtest/gtest.h>

namespace
{
// Counts live instances, so a leak shows as a positive and a double delete as a
// negative count.
struct Counted
{
    Counted() { ++s_live; }
    ~Counted() { --s_live; }
    static int s_live;
};
int Counted::s_live = 0;

class AutoPTest : public testing::Test
{
protected:
    void SetUp() override { Counted::s_live = 0; }
    void TearDown() override { EXPECT_EQ(0, Counted::s_live); }
};

// A COM object on the stack that only counts its references.
class FakeUnknown : public IUnknown
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    ULONG refs = 1;
};
} // namespace

TEST_F(AutoPTest, TransferOfTheSamePointerMovesOnlyTheOwnership)
{
    Counted* object = new Counted;
    auto_p<Counted> source(object);
    {
        auto_p<Counted> target;
        target = object;
        target.GiveUp();
        target = source;
        EXPECT_EQ(object, target.get());
        EXPECT_EQ(object, source.get());
        // source no longer owns: replacing its pointer must not free the object.
        source = static_cast<Counted*>(nullptr);
        EXPECT_EQ(1, Counted::s_live);
    }
    EXPECT_EQ(0, Counted::s_live);

    // Same pointer, but the source never owned it: the target keeps its own ownership.
    Counted* kept = new Counted;
    auto_p<Counted> owner(kept);
    auto_p<Counted> viewer(kept);
    viewer.GiveUp();
    owner = viewer;
    viewer = static_cast<Counted*>(nullptr);
    EXPECT_EQ(1, Counted::s_live);
    owner = owner;
    EXPECT_EQ(kept, owner.get());
    EXPECT_EQ(1, Counted::s_live);
}

TEST_F(AutoPTest, TransferOfAnotherPointerFreesTheTargetsObject)
{
    Counted* moved = new Counted;
    auto_p<Counted> source(moved);
    auto_p<Counted> target(new Counted);
    target = source;
    EXPECT_EQ(1, Counted::s_live);
    EXPECT_EQ(moved, target.get());
    // The source still points at the object but lost the ownership.
    EXPECT_EQ(moved, source.get());
    EXPECT_TRUE(source == target);

    // A source that lost the ownership passes on only its pointer.
    auto_p<Counted> other(new Counted);
    other = source;
    EXPECT_EQ(1, Counted::s_live);
    EXPECT_EQ(moved, other.get());
    other = static_cast<Counted*>(nullptr);
    EXPECT_EQ(1, Counted::s_live);
    EXPECT_EQ(moved, target.get());
}

TEST_F(AutoPTest, ResetFreesAnOwnedObjectOnlyWhenItChanges)
{
    Counted* first = new Counted;
    auto_p<Counted> holder(first);
    holder = first;
    EXPECT_EQ(1, Counted::s_live);
    holder = new Counted;
    EXPECT_EQ(1, Counted::s_live);
    EXPECT_NE(first, holder.get());

    Counted* spared = holder.get();
    holder.GiveUp();
    holder = static_cast<Counted*>(nullptr);
    EXPECT_EQ(1, Counted::s_live);
    EXPECT_TRUE(!holder);
    delete spared;
}

TEST_F(AutoPTest, ReceiveFreesTheOldObjectAndOwnsTheNewOne)
{
    auto_p<Counted> holder(new Counted);
    *holder.Receive() = new Counted;
    EXPECT_EQ(1, Counted::s_live);
    *holder.Renew() = new Counted;
    EXPECT_EQ(1, Counted::s_live);

    // An unowned pointer is overwritten, not freed.
    Counted outside;
    auto_p<Counted> view;
    *view.GiveUp() = &outside;
    *view.Receive() = new Counted;
    EXPECT_EQ(3, Counted::s_live);
}

TEST_F(AutoPTest, ArrayHolderFreesWithArrayDelete)
{
    {
        auto_pa<Counted> holder(new Counted[3]);
        EXPECT_EQ(3, Counted::s_live);
        EXPECT_EQ(holder.get() + 2, holder.ElementAt(2));
        holder = new Counted[2];
        EXPECT_EQ(2, Counted::s_live);

        auto_pa<Counted> target(new Counted[4]);
        target = holder;
        EXPECT_EQ(2, Counted::s_live);
        *holder.Receive() = new Counted[5];
        EXPECT_EQ(7, Counted::s_live);
    }
    EXPECT_EQ(0, Counted::s_live);

    auto_pa<wchar_t> text(new wchar_t[4]{L'a', L'b', L'c', L'\0'});
    EXPECT_EQ(L'b', *text.ElementAt(1));
    EXPECT_STREQ(L"abc", text);
}

TEST(AutoRel, AssignmentAddsAReferenceAndAttachTakesOneOver)
{
    FakeUnknown a;
    FakeUnknown b;
    {
        auto_rel<IUnknown> holder;
        EXPECT_EQ(&a, holder = &a);
        EXPECT_EQ(2u, a.refs);
        holder = &a;
        EXPECT_EQ(2u, a.refs);

        auto_rel<IUnknown> copy;
        copy = holder;
        EXPECT_EQ(3u, a.refs);
        EXPECT_TRUE(copy == holder);

        b.AddRef(); // the reference that Attach takes over
        holder.Attach(&b);
        EXPECT_EQ(2u, a.refs);
        EXPECT_EQ(2u, b.refs);
        EXPECT_TRUE(holder == static_cast<IUnknown*>(&b));

        auto_rel<IUnknown> taker;
        taker.Attach(copy);
        EXPECT_TRUE(copy.IsNull());
        EXPECT_EQ(2u, a.refs);
    }
    EXPECT_EQ(1u, a.refs);
    EXPECT_EQ(1u, b.refs);
}

TEST(AutoRel, ReleaseAndReceiveDropTheHeldReference)
{
    FakeUnknown a;
    {
        auto_rel<IUnknown> holder;
        EXPECT_EQ(0u, holder.Release());
        holder = &a;
        EXPECT_TRUE(holder.IsValid());
        EXPECT_EQ(1u, holder.Release());
        EXPECT_FALSE(holder);
        EXPECT_EQ(0u, holder.Release());
        EXPECT_EQ(1u, a.refs);

        holder = &a;
        IUnknown** slot = holder.Receive();
        EXPECT_EQ(1u, a.refs);
        EXPECT_EQ(nullptr, *slot);
        // A creating call writes the interface with the reference it hands out.
        a.AddRef();
        *slot = &a;
        EXPECT_EQ(&a, holder.get());
        EXPECT_EQ(2u, a.refs);
    }
    EXPECT_EQ(1u, a.refs);
}
