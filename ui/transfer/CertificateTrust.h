// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one question about a server certificate nobody vouches for, asked by Detect in the
// account dialogs and by Receive and Send when a connection meets it: trust this certificate
// for this account only, never a kind of error for every server.
#include "transfer/cUntrustedCertificate.h"

class QWidget;

// Shows who the certificate names, who signed it, when it is valid and its fingerprint; true on Yes.
bool AskToTrust(QWidget *parent, const cUntrustedCertificate &certificate);
// Asks, then keeps the fingerprint on the certificate's account; true when it is now trusted,
// so that the caller may try again. A failed write is shown and counts as not trusted.
bool OfferTrustForAccount(QWidget *parent, const cUntrustedCertificate &certificate);
// The same for a check nobody asked for just now: each account's certificate is asked about
// once in a run, so that a periodic check never raises the question again, neither while it
// waits for an answer nor after a No (Receive still asks).
bool OfferTrustOnce(QWidget *parent, const cUntrustedCertificate &certificate);
