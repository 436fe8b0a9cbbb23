#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace Brosquin
{

namespace
{

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void vdZeroUpperHalves()
{
    _mm256_zeroupper();
}
#endif

// Qt's hashing on processors with 256-bit AES (a QHash with its random seed, such as the one
// QSettings fills as it reads its file) returns with the upper halves of the AVX registers in use.
// Until the next VZEROUPPER every SSE instruction of the program's own arithmetic then runs up to
// twice as slow or more; a shown window's painting happens to clear them, so work done before
// a window shows, or after more hashing, was slower than the same work later. Long work starts
// with them unused.
void vdLeaveUpperHalvesUnused()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool bAvx = __builtin_cpu_supports("avx");
    if (bAvx)
        vdZeroUpperHalves();
#endif
}

} // namespace

WaitCursor::WaitCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    vdLeaveUpperHalvesUnused();
}

WaitCursor::~WaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace Brosquin
