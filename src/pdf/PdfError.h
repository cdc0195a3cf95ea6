#pragma once

#include "base/Errors.h"

// A failure of the PDF engine. reason() is one of the engine's fixed messages below; subject()
// names the property, output file or font concerned, and cause() gives the system's reason
// for a failed write, when there is one.
class PdfError : public IxvError {
public:
    explicit PdfError(const QString& reason, const QString& subject = {}, const QString& cause = {})
        : IxvError(compose(reason, subject, cause)), m_reason(reason), m_subject(subject),
          m_cause(cause) {}
    const QString& reason() const { return m_reason; }
    const QString& subject() const { return m_subject; }
    const QString& cause() const { return m_cause; }

private:
    static QString compose(const QString& reason, const QString& subject, const QString& cause) {
        QString text = reason;
        if (!subject.isEmpty())
            text += QStringLiteral(": ") + subject;
        if (!cause.isEmpty())
            text += QStringLiteral(" (") + cause + u')';
        return text;
    }

    QString m_reason;
    QString m_subject;
    QString m_cause;
};

namespace PdfMessage {
inline const QString DocumentAlreadyOpen = QStringLiteral("Document already open");
inline const QString InvalidPropertyValue = QStringLiteral("Invalid property value");
inline const QString FileLocked = QStringLiteral("File locked");
inline const QString CantOpenFile = QStringLiteral("Can't open file");
inline const QString FileWriteError = QStringLiteral("File write error, or disk full");
inline const QString NotTrueType = QStringLiteral("This font is not TrueType");
inline const QString CharsetNotSupported = QStringLiteral("Font character set not supported");
inline const QString DocumentNotOpened = QStringLiteral("Document not opened");
inline const QString CantModifyWhenActive = QStringLiteral("Can't modify property when active");
} // namespace PdfMessage
