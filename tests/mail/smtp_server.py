#!/usr/bin/env python3
"""SMTP servers for the mail tests, on a free loopback port.

  smtp_server.py real RECORD [--starttls CERT KEY] [--tls CERT KEY] [--auth USER PASS]
      aiosmtpd; each accepted message is appended to RECORD as one JSON line, with its
      Subject and MIME-Version as a standard reader (Python's email package) reads them.
  smtp_server.py script MODE RECORD [CERT KEY]
      a scripted server that misbehaves as MODE says; the commands it got go to RECORD.
      STARTTLS modes take the certificate and key.

Prints "PORT <n>" once it listens, then serves until terminated.
"""
import asyncio
import base64
import json
import signal
import socket
import ssl
import sys
import threading
import time


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def append(record, entry):
    with open(record, "a", encoding="utf-8") as f:
        f.write(json.dumps(entry, ensure_ascii=False) + "\n")


def real(args):
    import email
    import email.policy
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult

    record = args[0]
    options = {"hostname": "127.0.0.1", "port": free_port()}
    users = None
    rest = args[1:]
    while rest:
        if rest[0] in ("--starttls", "--tls"):
            context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
            context.load_cert_chain(rest[1], rest[2])
            options["tls_context" if rest[0] == "--starttls" else "ssl_context"] = context
            options["require_starttls"] = rest[0] == "--starttls"
            rest = rest[3:]
        elif rest[0] == "--auth":
            users = {rest[1]: rest[2]}
            rest = rest[3:]
        else:
            sys.exit("unknown option " + rest[0])

    class Handler:
        async def handle_DATA(self, server, session, envelope):
            read = email.message_from_bytes(envelope.original_content,
                                            policy=email.policy.default)
            append(record, {
                "subject": str(read["Subject"]),
                "mime": str(read["MIME-Version"]),
                "helo": session.host_name,
                "extended": session.extended_smtp,
                "tls": server.transport.get_extra_info("ssl_object") is not None,
                "login": getattr(session, "test_login", None),
                "from": envelope.mail_from,
                "to": envelope.rcpt_tos,
                "data": base64.b64encode(envelope.original_content).decode(),
            })
            return "250 Message accepted"

    def authenticate(server, session, envelope, mechanism, auth_data):
        login = auth_data.login.decode()
        ok = users is not None and users.get(login) == auth_data.password.decode()
        if ok:
            session.test_login = login
        return AuthResult(success=ok, handled=False)

    if users is not None:
        options.update(authenticator=authenticate, auth_require_tls=False,
                       auth_required=True)
    controller = Controller(Handler(), **options)
    controller.start()
    print("PORT %d" % options["port"], flush=True)
    signal.sigwait([signal.SIGTERM, signal.SIGINT])
    controller.stop()


# The replies of the scripted server; a mode named "refuse-VERB" answers VERB with 550.
REPLIES = {"EHLO": "250-test\r\n250 AUTH LOGIN", "HELO": "250 test", "AUTH": "334 VXNlcm5hbWU6",
           "MAIL": "250 OK", "RCPT": "250 OK", "DATA": "354 go", "QUIT": "221 bye"}


def trickle(conn, data):
    """Sends one byte every 100 ms; False when the client hung up first."""
    for byte in data:
        try:
            conn.sendall(bytes([byte]))
        except OSError:
            return False
        time.sleep(0.1)
    return True


def serve_script(conn, mode, record, tls_files):
    log = open(record, "a", encoding="latin-1")
    reader = conn.makefile("rb")
    if mode == "endless-greeting":
        # A greeting that never ends; the record tells whether the client hung up.
        log.write("connected\n")
        log.flush()
        ended = trickle(conn, b"220 " + b"x" * 100000)
        log.write("server gave up\n" if ended else "client closed\n")
        log.close()
        return
    if mode == "silent":
        # Says nothing for 30 s; the record tells whether the client hung up first.
        log.write("connected\n")
        log.flush()
        conn.settimeout(30)
        try:
            ended = "client closed" if conn.recv(1) == b"" else "client sent"
        except socket.timeout:
            ended = "server gave up"
        log.write(ended + "\n")
        log.close()
        return
    def say(data):
        if mode == "trickle":
            trickle(conn, data)
        else:
            conn.sendall(data)

    say(b"220 scripted\r\n")
    in_data = False
    encrypted = False
    logins = 0
    while True:
        try:
            raw = reader.readline()
        except OSError:
            raw = b""
        if not raw:
            log.write("client closed\n")
            return
        line = raw.decode("latin-1").rstrip("\r\n")
        log.write(line + "\n")
        log.flush()
        if in_data:
            if mode == "close-mid-data":
                return
            if line == ".":
                in_data = False
                say(b"250 queued\r\n")
            continue
        verb = line.split(" ")[0].upper()
        if mode == "refuse-" + verb.lower():
            say(b"550 5.1.1 refused\r\n")
            continue
        if mode == "auth250" and verb == "AUTH":
            conn.sendall(b"250 not now\r\n")
            continue
        if mode == "starttls-inject" and verb == "EHLO" and not encrypted:
            conn.sendall(b"250-test\r\n250 STARTTLS\r\n")
            continue
        if mode == "starttls-inject" and verb == "STARTTLS":
            # A second reply in the same packet, before encryption starts.
            conn.sendall(b"220 go ahead\r\n250 INJECTED\r\n")
            context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
            context.load_cert_chain(*tls_files)
            try:
                conn = context.wrap_socket(conn, server_side=True)
            except OSError:
                log.write("no handshake\n")
                return
            reader = conn.makefile("rb")
            encrypted = True
            log.write("tls\n")
            continue
        if mode == "split-ehlo" and verb == "EHLO":
            conn.sendall(b"250-test\r\n250-AUT")
            time.sleep(0.3)
            conn.sendall(b"H LOGIN\r\n250 SIZE 1000\r\n")
            continue
        if verb in REPLIES:
            reply = REPLIES[verb]
        elif logins < 2:  # the two Base64 lines after AUTH LOGIN
            logins += 1
            reply = "334 UGFzc3dvcmQ6" if logins == 1 else "235 welcome"
        else:
            reply = "500 what"
        say(reply.encode() + b"\r\n")
        if verb == "DATA":
            in_data = True
        if verb == "QUIT":
            return


def script(args):
    mode, record, tls_files = args[0], args[1], args[2:]
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(4)
    print("PORT %d" % listener.getsockname()[1], flush=True)

    def accept():
        while True:
            conn, _ = listener.accept()
            with conn:
                try:
                    serve_script(conn, mode, record, tls_files)
                except OSError:
                    pass

    threading.Thread(target=accept, daemon=True).start()
    signal.sigwait([signal.SIGTERM, signal.SIGINT])


if __name__ == "__main__":
    # The server's own complaints go beside its record, not into the test's output.
    sys.stderr = open(sys.argv[3 if sys.argv[1] == "script" else 2] + ".stderr", "a")
    signal.pthread_sigmask(signal.SIG_BLOCK, [signal.SIGTERM, signal.SIGINT])
    {"real": real, "script": script}[sys.argv[1]](sys.argv[2:])
