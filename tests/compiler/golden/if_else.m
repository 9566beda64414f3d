box1=2;
box2=box1;
if (box2>1),
      box5=sin(box2);
   else
   box3=cos(box2);
end;
box7=box2
