// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a connection to a mail server is protected: not at all, upgraded after the greeting
// (STARTTLS, RFC 3207; STLS for POP3, RFC 2595), or TLS from the first byte (RFC 8314).
enum class eVrxSecurity { None, StartTls, Tls };
