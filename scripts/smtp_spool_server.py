"""SMTP server for the SMTP client tests: aiosmtpd on a free port of 127.0.0.1.

Usage: smtp_spool_server.py SPOOL PORT_FILE

Each message received is decoded with Python's email package into SPOOL/<subject>/
(the subject reduced to letters, digits, "-" and "_"), written completely before the
end of its data is answered:
  raw.eml       the message as received, transparency dots removed
  summary.txt   "helo: ", "mail_from: ", "rcpt: " lines of the envelope, "header <Name>: "
                lines for From, To, CC and Subject, "defect: " lines for every MIME
                defect found, and "part: <n> <content type> <file name or ->" for each
                leaf part
  part-<n>.bin  the decoded bytes of leaf part n
A recipient address in the domain "rejected.test" is refused with 550. The port is
written to PORT_FILE once the server listens. The server ends when its parent goes.
"""
import asyncio
import email
import email.policy
import os
import re
import sys

from aiosmtpd.smtp import SMTP


class SpoolHandler:
    def __init__(self, spool):
        self.spool = spool

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower().endswith("@rejected.test"):
            return "550 5.1.1 No such user here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.original_content, policy=email.policy.compat32)
        name = re.sub(r"[^A-Za-z0-9_-]", "_", str(message.get("Subject", "")))
        folder = os.path.join(self.spool, name)
        work = folder + ".tmp"
        os.makedirs(work, exist_ok=True)
        with open(os.path.join(work, "raw.eml"), "wb") as raw:
            raw.write(envelope.original_content)
        lines = ["helo: " + str(session.host_name), "mail_from: " + str(envelope.mail_from)]
        lines += ["rcpt: " + address for address in envelope.rcpt_tos]
        for header in ("From", "To", "CC", "Subject"):
            for value in message.get_all(header, []):
                lines.append("header %s: %s" % (header, value))
        number = 0
        for part in message.walk():
            lines += ["defect: " + type(defect).__name__ for defect in part.defects]
            if part.is_multipart():
                continue
            number += 1
            lines.append("part: %d %s %s" % (number, part.get_content_type(), part.get_filename() or "-"))
            with open(os.path.join(work, "part-%d.bin" % number), "wb") as data:
                data.write(part.get_payload(decode=True) or b"")
        with open(os.path.join(work, "summary.txt"), "w", encoding="utf-8", newline="\n") as summary:
            summary.write("\n".join(lines) + "\n")
        if os.path.isdir(folder):
            for old in os.listdir(folder):
                os.remove(os.path.join(folder, old))
            os.rmdir(folder)
        os.rename(work, folder)
        return "250 Message accepted for delivery"


async def main(spool, port_file):
    os.makedirs(spool, exist_ok=True)
    handler = SpoolHandler(spool)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(lambda: SMTP(handler, hostname="spool.test"), "127.0.0.1", 0)
    port = server.sockets[0].getsockname()[1]
    with open(port_file + ".tmp", "w") as out:
        out.write(str(port))
    os.rename(port_file + ".tmp", port_file)
    parent = os.getppid()
    while os.getppid() == parent:
        await asyncio.sleep(1)
    server.close()


if __name__ == "__main__":
    asyncio.run(main(sys.argv[1], sys.argv[2]))
