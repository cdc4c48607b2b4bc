// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAutoAccount.h"

#include "transfer/cSettingsVerifier.h"

#include <QCoreApplication>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cAutoAccount)
};

} // namespace

cResultOf<cAccount> cAutoAccount::Make(const cAccount &typed)
{
    if (typed.password.isEmpty())
        return cResult::Failed(eFailure::Refused, cTexts::tr("A password is needed to check the settings found."));
    cAccountFinder finder(fSetup);
    finder.Progress = Progress;
    finder.Stopped = Stopped;
    cSettingsVerifier verifier(fSetup.timeoutMs);
    verifier.Progress = Progress;
    verifier.Stopped = Stopped;
    cAccount verified;
    const cResultOf<cFoundSettings> found = finder.Find(typed.email, [&](const cFoundSettings &settings) {
        const cResultOf<cAccount> tried = verifier.Verify(settings, typed);
        verified = tried.value();
        return tried.result();
    });
    if (!found)
        return found.result();
    return verified;
}
