#include "VellWizSchTask/WizardPath.h"

#include <cstddef>

namespace
{
// Pages whose neighbours never change: page, Back, Next.
struct FixedPage
{
    int key; // the page
    int back;
    int next;
};

const FixedPage kFixedPages[] = {
    {671, 670, 782}, {672, 670, 782}, {673, 670, 782}, {675, 670, 782}, {676, 670, 782}, {677, 670, 782},
    {679, 670, 782}, {681, 670, 782}, {683, 670, 782}, {777, 670, 778}, {778, 777, 782}, {780, 670, 782},
    {685, 782, 689}, {702, 704, 689}, {703, 704, 776}, {776, 703, 689}, {709, 707, 689}, {708, 707, 689},
    {739, 737, 740}, {740, 739, 689}, {738, 737, 689}, {772, 771, 773}, {773, 772, 775}, {775, 773, 689},
    {774, 771, 689}, {690, 689, 694}, {691, 689, 694}, {692, 689, 694}, {693, 689, 694}, {694, -1, 688},
    {688, 694, -1},  {666, -1, 665},
};

struct DestinationPageOf
{
    int key; // the destination
    int page;
};

const DestinationPageOf kDestinationPages[] = {
    {7, 671}, {8, 676}, {9, 679}, {10, 681}, {11, 675}, {12, 677}, {13, 780}, {14, 683}, {15, 672}, {16, 673}, {17, 777},
};

// The table's entry of the key; null when it has none.
template <class Entry, std::size_t N> const Entry* FindEntry(const Entry (&table)[N], int key)
{
    for (const Entry& entry : table)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

// The first page of a kind: its type page.
int KindPage(int kind)
{
    const int pages[] = {670, 704, 707, 737, 771};
    return kind >= 1 && kind <= 5 ? pages[kind - 1] : -1;
}

// The last capture page of the kind's way, before the Name page.
int LastCapturePage(const WizardChoices& c)
{
    switch (c.captureKind)
    {
    case 1:
        return 685;
    case 2:
        return c.trainingOp == 18 ? 702 : 776;
    case 3:
        return c.audioOp == 20 ? 709 : 708;
    case 4:
        return c.videoOp == 22 ? 740 : 738;
    case 5:
        return c.movieOp == 24 ? 775 : 774;
    default:
        return -1;
    }
}

int SchedulePage(int triggerType)
{
    switch (triggerType)
    {
    case 0:
        return 693;
    case 1:
        return 690;
    case 2:
        return 691;
    case 3:
    case 4:
        return 692;
    default:
        return -1;
    }
}
} // namespace

int DestinationPage(int destination)
{
    const DestinationPageOf* entry = FindEntry(kDestinationPages, destination);
    return entry ? entry->page : -1;
}

int WizardNextPage(int page, const WizardChoices& c)
{
    switch (page)
    {
    case kPageCaptureType:
        return KindPage(c.captureKind);
    case kPageScType:
        return DestinationPage(c.destination);
    case 704:
        return c.trainingOp == 18 ? 702 : 703;
    case 707:
        return c.audioOp == 20 ? 709 : 708;
    case 737:
        return c.videoOp == 22 ? 739 : 738;
    case 771:
        return c.movieOp == 24 ? 772 : 774;
    case kPageScDuration:
        return kPageScSelection;
    case kPageName:
        return SchedulePage(c.triggerType);
    default:
        break;
    }
    const FixedPage* fixed = FindEntry(kFixedPages, page);
    return fixed ? fixed->next : -1;
}

int WizardBackPage(int page, const WizardChoices& c)
{
    switch (page)
    {
    case kPageCaptureType:
        return kPageIntro;
    case kPageScType:
    case 704:
    case 707:
    case 737:
    case 771:
        return kPageCaptureType;
    case kPageScDuration:
        // The web destination's way reaches the duration page from its second page.
        return c.destination == 17 ? 778 : DestinationPage(c.destination);
    case kPageName:
        return LastCapturePage(c);
    case kPageCredentials:
        return SchedulePage(c.triggerType);
    default:
        break;
    }
    const FixedPage* fixed = FindEntry(kFixedPages, page);
    return fixed ? fixed->back : -1;
}
